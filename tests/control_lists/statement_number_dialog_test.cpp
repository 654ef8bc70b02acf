#include "app/control_lists/statement_number_dialog.h"
#include "app/form_kit/form_driver.h"
#include "tests/control_lists/main_window_stand_in.h"
#include "tests/support/scripted_message_boxes.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class StatementNumberDialog : public testing::Test {
protected:
    StatementNumberDialog() {
        mainWindow.FNBag.setText("АБ00125");
        mainWindow.pinShifr.setText("ПИ-015");
        settings.NVedCastValue = 2;
        layOutStatementNumber(2, fields);
        dialog.GetNVedCast();
        dialog.showModal();
    }

    int storedMode() const { return IniFile(path).readInteger("NVed Cast", "NVedCastValue", -9); }

    QTemporaryDir dir;
    QString path = dir.filePath("korvane_tune.ini");
    ScriptedMessageBoxes boxes;
    MainWindowStandIn mainWindow{boxes};
    ListSettings settings;
    StatementNumberFields fields{mainWindow.NVedName, mainWindow.NVedPrefix, mainWindow.FNBag,
                                 mainWindow.pinShifr};
    TForm2 dialog{boxes, path, settings, mainWindow, fields};
    FormDriver driver{dialog};
};

TEST_F(StatementNumberDialog, BagNumberModeCopiesTheBagNumber) {
    EXPECT_EQ(dialog.RadioGroup1.itemIndex, 2);
    driver.choose(dialog.RadioGroup1, 1);
    driver.click(dialog.BitBtn1);
    EXPECT_FALSE(dialog.isShowing());
    EXPECT_EQ(settings.NVedCastValue, 1);
    EXPECT_EQ(storedMode(), 1);
    EXPECT_EQ(mainWindow.NVedName.text(), "АБ00125");
    EXPECT_TRUE(mainWindow.NVedName.readOnly);
    EXPECT_FALSE(mainWindow.NVedName.tabStop);
    EXPECT_EQ(mainWindow.NVedName.colour, clBtnFace);
    EXPECT_EQ(mainWindow.NVedName.width, 135);
    EXPECT_FALSE(mainWindow.NVedPrefix.visible);
    EXPECT_TRUE(boxes.boxes.isEmpty());
}

TEST_F(StatementNumberDialog, CodeModeShowsThePrefixAndLeavesThreeCharacters) {
    mainWindow.NVedName.setText("free text");
    driver.choose(dialog.RadioGroup1, 0);
    driver.click(dialog.BitBtn1);
    EXPECT_TRUE(mainWindow.NVedPrefix.visible);
    EXPECT_EQ(mainWindow.NVedPrefix.text(), "ПИ-015");
    EXPECT_EQ(mainWindow.NVedName.text(), "");
    EXPECT_EQ(mainWindow.NVedName.maxLength, 3);
    EXPECT_EQ(mainWindow.NVedName.left, 529);
    EXPECT_EQ(mainWindow.NVedName.width, 43);
    EXPECT_FALSE(mainWindow.NVedName.readOnly);
    EXPECT_TRUE(mainWindow.NVedName.tabStop);
    EXPECT_EQ(mainWindow.NVedName.colour, clYellow);
    EXPECT_TRUE(mainWindow.isFocused(mainWindow.NVedName));
}

TEST_F(StatementNumberDialog, EmptyModeEmptiesTheNumber) {
    mainWindow.NVedName.setText("17");
    driver.choose(dialog.RadioGroup1, 3);
    driver.click(dialog.BitBtn1);
    EXPECT_EQ(mainWindow.NVedName.text(), "");
    EXPECT_TRUE(mainWindow.NVedName.readOnly);
}

TEST_F(StatementNumberDialog, CloseBoxAsksAboutAChangedSelection) {
    const struct {
        MsgButton answer;
        int mode;
    } cases[] = {{MsgButton::No, 2}, {MsgButton::OK, 3}};
    for (const auto& c : cases) {
        dialog.showModal();
        driver.choose(dialog.RadioGroup1, 3);
        boxes.answers = {c.answer};
        driver.closeWindow();
        ASSERT_EQ(boxes.boxes.size(), 1);
        EXPECT_EQ(boxes.boxes[0].text, "Сохранить изменения?");
        EXPECT_EQ(boxes.boxes[0].buttons, (QList<MsgButton>{MsgButton::No, MsgButton::OK}));
        EXPECT_EQ(settings.NVedCastValue, c.mode);
        EXPECT_EQ(storedMode(), c.mode) << "the mode that stays is written either way";
        EXPECT_EQ(dialog.RadioGroup1.itemIndex, c.mode);
        EXPECT_FALSE(dialog.isShowing());
        boxes.boxes.clear();
        settings.NVedCastValue = 2;
    }
}

TEST_F(StatementNumberDialog, FreeModeFocusesTheNumber) {
    driver.closeWindow();
    EXPECT_TRUE(boxes.boxes.isEmpty());
    EXPECT_EQ(storedMode(), 2);
    EXPECT_EQ(mainWindow.NVedName.colour, clYellow);
    EXPECT_TRUE(mainWindow.isFocused(mainWindow.NVedName));
}

TEST_F(StatementNumberDialog, NoSelectionStoresMinusOneWhichStartsAsModeZero) {
    dialog.RadioGroup1.itemIndex = -1;
    boxes.answers = {MsgButton::OK};
    driver.closeWindow();
    EXPECT_EQ(storedMode(), -1);
    EXPECT_EQ(readListSettings(IniFile(path)).NVedCastValue, 0);
}

} // namespace
