#include "tests/bag_control/bag_dialog_fixture.h"

namespace {

const QString question = "\rПродолжить изменения?";
const QString overlap = "Введенный диапазон сумок \rперекрывается имеющимся!" + question;
const QString exceed = "Границы(а) диапазона сумок превосходят имеющиеся!\r"
                       "Будут подставлены корректные значения для редактирования!" +
                       question;

class BagRangeRules : public BagDialog {
protected:
    void SetUp() override {
        startWith({"[Values bags]", headingLine, bagLine("1", {"АБ00001", "АБ00500", "3", "500"}),
                   bagLine("2", {"ABC", "", "", "1"})});
    }
};

TEST_F(BagRangeRules, OverlappingRangeIsRefusedOrAbandoned) {
    struct Case {
        MsgButton answer;
        bool stillAdding;
    };
    for (const Case c : {Case{MsgButton::OK, true}, Case{MsgButton::No, false}}) {
        boxes.boxes.clear();
        boxes.answers = {c.answer};
        addEntry("АБ00100", "101");
        ASSERT_EQ(boxTexts(), QStringList({overlap}));
        EXPECT_EQ(boxes.boxes[0].buttons, QList<MsgButton>({MsgButton::No, MsgButton::OK}));
        EXPECT_EQ(dialog.StringGrid1.rowCount(), 3) << "nothing added";
        EXPECT_EQ(dialog.BtnOKnew.enabled, c.stillAdding);
        if (c.stillAdding) {
            EXPECT_TRUE(dialog.isFocused(sb(1)));
            driver.click(dialog.Button4);
        } else {
            EXPECT_EQ(dialog.getBeginShifrValue(), "АБ00001") << "the current row shown again";
            EXPECT_TRUE(sb(1).readOnly);
        }
    }
}

TEST_F(BagRangeRules, ExceedingRangeTurnsIntoAnEditOfTheExistingRow) {
    boxes.answers = {MsgButton::OK};
    addEntry("АБ00400", "301");
    ASSERT_EQ(boxTexts(), QStringList({exceed}));
    EXPECT_FALSE(dialog.Button2.enabled);
    EXPECT_TRUE(dialog.Button1.enabled);
    EXPECT_EQ(dialog.BtnOKnew.hint, "Запомнить изменения");
    EXPECT_TRUE(dialog.isFocused(dialog.BtnOKnew));
    EXPECT_EQ(dialog.StringGrid1.currentRow, 1);
    EXPECT_EQ(dialog.getBeginShifrValue(), "АБ00001");
    EXPECT_EQ(dialog.getLastShifrValue(), "АБ00700");
    EXPECT_EQ(dialog.KolvoBags.text(), "700");

    driver.click(dialog.BtnOKnew);
    EXPECT_EQ(boxes.boxes.size(), 1) << "the edited row is not tested against itself";
    EXPECT_EQ(row(1), QStringList({"1", "АБ00001", "АБ00700", "3", "700"}));
    EXPECT_EQ(dialog.StringGrid1.rowCount(), 3);
}

TEST_F(BagRangeRules, EditingARowReplacesItInPlace) {
    selectRow(1);
    driver.click(dialog.Button1);
    driver.pressEnter();
    driver.type("600");
    driver.pressEnter();
    driver.click(dialog.BtnOKnew);
    EXPECT_TRUE(boxes.boxes.isEmpty());
    EXPECT_EQ(row(1), QStringList({"1", "АБ00001", "АБ00600", "3", "600"}));
}

TEST_F(BagRangeRules, OtherSeriesIsAdded) {
    addEntry("АБ0400", "10");
    addEntry("АВ00001", "5");
    EXPECT_TRUE(boxes.boxes.isEmpty());
    EXPECT_EQ(row(3), QStringList({"3", "АБ0400", "АБ0409", "3", "10"}));
    EXPECT_EQ(row(4), QStringList({"4", "АВ00001", "АВ00005", "3", "5"}));
}

TEST_F(BagRangeRules, DuplicateWithoutDigitsIsRefused) {
    boxes.answers = {MsgButton::OK};
    addEntry("ABC", "");
    EXPECT_EQ(boxTexts(), QStringList({"Уже есть такая сумка!" + question}));
    driver.click(dialog.Button4);

    // Saving the row unchanged meets itself.
    selectRow(2);
    driver.click(dialog.Button1);
    driver.click(dialog.BtnOKnew);
    EXPECT_EQ(boxes.boxes.size(), 2);
    EXPECT_EQ(dialog.StringGrid1.rowCount(), 3);
}

TEST_F(BagRangeRules, SecondBagWithoutNameIsRefused) {
    driver.click(dialog.Button2);
    driver.click(dialog.BtnOKnew);
    EXPECT_EQ(row(3), QStringList({"3", "", "", "", ""}));
    driver.click(dialog.Button2);
    driver.click(dialog.BtnOKnew);
    EXPECT_EQ(boxTexts(), QStringList({"Уже есть сумка без имени!" + question}));
    EXPECT_EQ(dialog.StringGrid1.rowCount(), 4);
}

TEST_F(BagRangeRules, SpaceInAStoredNumberIsSavedAsZero) {
    startWith({"[Values bags]", headingLine, bagLine("1", {"АБ 0125", "", "", "1"})});
    selectRow(1);
    driver.click(dialog.Button1);
    driver.pressEnter();
    driver.type("1");
    driver.pressEnter();
    driver.click(dialog.BtnOKnew);
    EXPECT_EQ(row(1), QStringList({"1", "АБ00125", "АБ00125", "3", "1"}));
}

} // namespace
