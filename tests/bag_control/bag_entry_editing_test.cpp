#include "tests/bag_control/bag_dialog_fixture.h"

#include "app/form_kit/colour.h"

namespace {

using BagEntryEditing = BagDialog;

TEST_F(BagEntryEditing, DigitsAfterLettersThenEnterOpenTheCount) {
    startWith({});
    driver.click(dialog.Button2);
    driver.type("AB123");
    driver.pressEnter();

    EXPECT_EQ(dialog.runs, QList<DigitRun>({{3, 5}}));
    EXPECT_EQ(dialog.ComboBox1.items, QStringList({"3"}));
    EXPECT_EQ(dialog.ComboBox1.text(), "3");
    EXPECT_TRUE(dialog.ComboBox1.enabled);
    EXPECT_TRUE(dialog.isFocused(dialog.KolvoBags));
    EXPECT_FALSE(dialog.KolvoBags.readOnly);
    for (int position = 1; position <= 20; ++position) {
        EXPECT_EQ(sl(position).readOnly, position < 3 || position > 5) << position;
    }
}

TEST_F(BagEntryEditing, CountGivesTheLastNumber) {
    startWith({});
    typeEntry("АБ00125", "100");
    EXPECT_EQ(dialog.getLastShifrValue(), "АБ00224");
    EXPECT_TRUE(dialog.isFocused(dialog.BtnOKnew));
    driver.click(dialog.BtnOKnew);
    EXPECT_EQ(row(1), QStringList({"1", "АБ00125", "АБ00224", "3", "100"}));
    EXPECT_TRUE(boxes.boxes.isEmpty());
}

TEST_F(BagEntryEditing, CountBeyondTheSeriesEndIsReduced) {
    startWith({});
    typeEntry("99990", "20");
    EXPECT_EQ(boxTexts(), QStringList({"Заданное кол-во превышает допустимое.\r"
                                       "Подставлено максимальное значение!"}));
    EXPECT_EQ(dialog.KolvoBags.text(), "10");
    EXPECT_EQ(dialog.getLastShifrValue(), "99999");
    EXPECT_FALSE(dialog.ComboBox1.enabled) << "the only run starts at 1";
}

TEST_F(BagEntryEditing, SixthCounterDigitIsRefused) {
    startWith({});
    driver.click(dialog.Button2);
    driver.type("AB12345");
    driver.type("6");
    EXPECT_EQ(boxTexts(), QStringList({"Кол-во разрядов инкремента не более 5!"}));
    EXPECT_EQ(dialog.getBeginShifrValue(), "AB12345");
    EXPECT_TRUE(dialog.isFocused(sb(8)));

    driver.focus(sb(3));
    driver.type("7"); // inserted before the run, it would widen it as well
    EXPECT_EQ(dialog.getBeginShifrValue(), "AB12345");
    EXPECT_EQ(boxes.boxes.size(), 2);
}

TEST_F(BagEntryEditing, NumberWithoutDigitsGoesToSavingAndStoresCountOne) {
    startWith({});
    typeEntry("ABC", "");
    EXPECT_TRUE(dialog.isFocused(dialog.BtnOKnew));
    EXPECT_EQ(dialog.pointedControl, &dialog.BtnOKnew);
    driver.click(dialog.BtnOKnew);
    EXPECT_EQ(row(1), QStringList({"1", "ABC", "", "", ""}));
    driver.click(dialog.exitBtn);
    EXPECT_TRUE(fileText().contains(bagLine("1", {"ABC", "", "", "1"}) + "\r\n"));
}

TEST_F(BagEntryEditing, EmptyFirstCellLeftGoesToSaving) {
    startWith({});
    driver.click(dialog.Button2);
    driver.pressTab();
    EXPECT_TRUE(dialog.isFocused(dialog.BtnOKnew));
    driver.click(dialog.Button4);
    EXPECT_FALSE(dialog.BtnOKnew.enabled);
}

TEST_F(BagEntryEditing, CancelTakesOneClickFromTheCells) {
    startWith({});
    driver.click(dialog.Button2);
    driver.type("AB1");
    driver.click(dialog.Button4);
    EXPECT_TRUE(dialog.isFocused(dialog.Button4));
    EXPECT_FALSE(dialog.BtnOKnew.enabled);
    EXPECT_TRUE(sb(1).readOnly);
    EXPECT_EQ(dialog.getBeginShifrValue(), "");
}

TEST_F(BagEntryEditing, TypedLastNumberGivesTheCount) {
    startWith({});
    typeEntry("АБ00125", "");
    driver.focus(sl(3));
    driver.type("00224");
    driver.pressEnter();
    EXPECT_EQ(dialog.KolvoBags.text(), "100");
    EXPECT_EQ(dialog.getLastShifrValue(), "АБ00224");
    EXPECT_TRUE(dialog.isFocused(dialog.BtnOKnew));
}

TEST_F(BagEntryEditing, LastNumberBelowFirstIsAnInputError) {
    startWith({});
    typeEntry("АБ00125", "");
    driver.focus(sl(7)); // the run fills from its first cell
    EXPECT_TRUE(dialog.isFocused(sl(3)));
    driver.type("00100");
    driver.pressEnter();
    EXPECT_EQ(boxes.errors, QStringList({"Номер последней сумки меньше номера первой сумки!"}));
    EXPECT_EQ(dialog.getLastShifrValue(), "");
    EXPECT_EQ(dialog.KolvoBags.text(), "");
    EXPECT_TRUE(dialog.isFocused(dialog.KolvoBags));
}

TEST_F(BagEntryEditing, ZeroOrMissingCountIsRefused) {
    startWith({});
    typeEntry("АБ00125", "0");
    EXPECT_EQ(boxes.errors, QStringList({"Должно быть введено не нулевое значение!"}));
    driver.typeOver(dialog.KolvoBags, "");
    driver.click(dialog.BtnOKnew);
    EXPECT_EQ(boxes.errors.size(), 2);
    EXPECT_TRUE(dialog.isFocused(dialog.KolvoBags));
    EXPECT_TRUE(dialog.StringGrid1.cell(0, 1).isEmpty()) << "nothing saved";
}

TEST_F(BagEntryEditing, ChoosingAnotherRunMovesTheCounter) {
    startWith({});
    typeEntry("A1B22", "");
    EXPECT_EQ(dialog.ComboBox1.items, QStringList({"2", "4"}));
    EXPECT_EQ(dialog.ComboBox1.text(), "4");
    chooseRun(0);
    EXPECT_TRUE(dialog.isFocused(dialog.KolvoBags));
    EXPECT_FALSE(sl(2).readOnly);
    EXPECT_TRUE(sl(4).readOnly);
    driver.type("5");
    driver.pressEnter();
    EXPECT_EQ(dialog.getLastShifrValue(), "A5B22");
    driver.click(dialog.BtnOKnew);
    EXPECT_EQ(row(1), QStringList({"1", "A1B22", "A5B22", "2", "5"}));
}

struct KeyCase {
    const char* name;
    int cell;
    int caret;
    KeyPress key;
    const char* number;
    int focusedCell;
};

KeyPress keyOf(KeyPress::Code code) {
    KeyPress key;
    key.code = code;
    return key;
}

KeyPress character(char16_t c) {
    KeyPress key;
    key.character = QChar(c);
    return key;
}

class FirstNumberKeys : public BagDialog, public testing::WithParamInterface<KeyCase> {};

TEST_P(FirstNumberKeys, EditTheCellsFromTheLeft) {
    const KeyCase& c = GetParam();
    startWith({});
    driver.click(dialog.Button2);
    driver.type("ABC");
    driver.focus(sb(c.cell));
    dialog.focused()->selStart = c.caret;
    driver.press(c.key);
    EXPECT_EQ(dialog.getBeginShifrValue(), QString::fromUtf8(c.number));
    EXPECT_TRUE(dialog.isFocused(sb(c.focusedCell))) << dialog.focused()->name().toStdString();
    EXPECT_TRUE(boxes.boxes.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Cells, FirstNumberKeys,
    testing::Values(KeyCase{"BackspaceAtCell1", 1, 0, keyOf(KeyPress::Backspace), "ABC", 1},
                    KeyCase{"BackspaceAfterTheNumber", 4, 0, keyOf(KeyPress::Backspace), "AB", 3},
                    KeyCase{"BackspaceAfterCharacter", 2, 1, keyOf(KeyPress::Backspace), "AC", 2},
                    KeyCase{"DeleteAtCaret", 2, 0, keyOf(KeyPress::Delete), "AC", 2},
                    KeyCase{"DeleteAfterCharacter", 2, 1, keyOf(KeyPress::Delete), "AB", 2},
                    KeyCase{"InsertBefore", 2, 0, character(u'X'), "AXBC", 3},
                    KeyCase{"InsertAfter", 2, 1, character(u'X'), "ABXC", 4},
                    KeyCase{"PunctuationMovesOn", 2, 0, character(u'+'), "ABC", 3},
                    KeyCase{"ReservedCodeMovesOn", 2, 0, character(u'q'), "ABC", 3},
                    KeyCase{"UnstorableMovesOn", 2, 0, character(u'€' + 1), "ABC", 3},
                    KeyCase{"LeftStopsAtCell1", 1, 0, keyOf(KeyPress::Left), "ABC", 1},
                    KeyCase{"Right", 2, 0, keyOf(KeyPress::Right), "ABC", 3},
                    KeyCase{"RightIntoEmptyStopsAtTheEnd", 4, 0, keyOf(KeyPress::Right), "ABC", 4}),
    [](const testing::TestParamInfo<KeyCase>& info) { return std::string(info.param.name); });

TEST_F(BagEntryEditing, ClickingAnEmptyCellLandsAfterTheNumber) {
    startWith({});
    driver.click(dialog.Button2);
    driver.type("AB");
    driver.focus(sb(9));
    EXPECT_TRUE(dialog.isFocused(sb(3)));
}

TEST_F(BagEntryEditing, ViewedEntryDoesNotChangeUnderTheKeyboard) {
    startWith({"[Values bags]", headingLine, bagLine("1", {"АБ001", "АБ010", "3", "10"})});
    driver.focus(sb(3));
    dialog.focused()->selStart = 1;
    for (KeyPress::Code code : {KeyPress::Backspace, KeyPress::Delete}) press(code);
    driver.type("7");
    EXPECT_EQ(dialog.getBeginShifrValue(), "АБ001");
    EXPECT_EQ(dialog.getLastShifrValue(), "АБ010");
    EXPECT_EQ(sb(3).colour, clBtnFace);
}

} // namespace
