#include "app/control_lists/seal_control_dialog.h"
#include "app/form_kit/form_driver.h"
#include "tests/control_lists/main_window_stand_in.h"
#include "tests/support/scripted_message_boxes.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class SealControlDialog : public testing::Test {
protected:
    void startWith(const QByteArray& settingsBytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(settingsBytes);
        file.close();
        settings = readListSettings(IniFile(path));
        open();
    }

    // As the main window opens it.
    void open() {
        dialog.GetPlombValue();
        settings.isFirstTime = false;
        dialog.showModal();
    }

    QByteArray bytesOnDisk() const {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    QStringList keys() const {
        QStringList result;
        for (int row = 1; row <= dialog.ValueListEditor1.entryCount(); ++row) {
            result << dialog.ValueListEditor1.key(row);
        }
        return result;
    }

    QTemporaryDir dir;
    QString path = dir.filePath("korvane_tune.ini");
    ScriptedMessageBoxes boxes;
    MainWindowStandIn mainWindow{boxes};
    ListSettings settings;
    TForm3 dialog{boxes, path, settings, mainWindow, mainWindow.FPlomba};
    FormDriver driver{dialog};
};

TEST_F(SealControlDialog, OneSealIsSavedAsKeyOne) {
    startWith("[NVed Cast]\r\nNVedCastValue=1\r\n");
    driver.click(dialog.Button2);
    EXPECT_TRUE(dialog.isFocused(dialog.ValueListEditor1));
    driver.type("АБ№1");
    driver.click(dialog.exitBtn);

    EXPECT_EQ(bytesOnDisk(), QByteArray("[NVed Cast]\r\nNVedCastValue=1\r\n"
                                        "[Values plombs]\r\n1=\xC0\xC1\xB9"
                                        "1\r\n"));
    EXPECT_TRUE(settings.IsValuesPlombs);
    EXPECT_EQ(settings.PlombsValues, QStringList({"1=АБ№1"}));
    EXPECT_FALSE(dialog.isShowing());
    EXPECT_TRUE(mainWindow.isFocused(mainWindow.FPlomba));
}

TEST_F(SealControlDialog, DeletingAllSealsErasesTheSection) {
    startWith("[Values plombs]\r\n1=A\r\n2=B\r\n[Control bags]\r\nIsControlBags=1\r\n");
    EXPECT_EQ(keys(), QStringList({"1", "2"}));
    driver.click(dialog.Button3);
    EXPECT_TRUE(settings.IsValuesPlombs);
    driver.click(dialog.Button3);
    EXPECT_FALSE(settings.IsValuesPlombs) << "switched off before the dialog closes";
    driver.closeWindow();
    EXPECT_EQ(bytesOnDisk(), QByteArray("[Control bags]\r\nIsControlBags=1\r\n"));
    EXPECT_TRUE(settings.PlombsValues.isEmpty());
    EXPECT_TRUE(mainWindow.isFocused(mainWindow.FPlomba));
}

TEST_F(SealControlDialog, CheckBoxIsWrittenOnlyWhenChanged) {
    const struct {
        const char* name;
        bool click;
        QByteArray expected;
    } cases[] = {{"unchanged", false, "[Control plombs]\r\nIsControlPlombs = 5\r\n"},
                 {"unticked", true, "[Control plombs]\r\nIsControlPlombs=0\r\n"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        startWith("[Control plombs]\r\nIsControlPlombs = 5\r\n");
        EXPECT_TRUE(dialog.CheckBox1.checked);
        if (c.click) driver.click(dialog.CheckBox1);
        driver.click(dialog.exitBtn);
        EXPECT_EQ(bytesOnDisk(), c.expected);
        EXPECT_EQ(settings.IsControlPlombs, !c.click);
    }
}

TEST_F(SealControlDialog, DeletingRowTwoOfFourRenumbers) {
    startWith("[Values plombs]\r\n1=A\r\n2=B\r\n3=C\r\n4=D\r\n");
    dialog.ValueListEditor1.currentRow = 2;
    driver.click(dialog.Button3);
    EXPECT_EQ(keys(), QStringList({"1", "2", "3"}));
    driver.click(dialog.exitBtn);
    EXPECT_EQ(bytesOnDisk(), QByteArray("[Values plombs]\r\n1=A\r\n2=C\r\n3=D\r\n"));
    EXPECT_EQ(settings.PlombsValues, QStringList({"1=A", "2=C", "3=D"}));
}

TEST_F(SealControlDialog, DeleteRemovesOnlyTheNewEmptyRow) {
    startWith("[Values plombs]\r\n1=A\r\n2=B\r\n");
    driver.click(dialog.Button2);
    EXPECT_EQ(keys(), QStringList({"1", "2", "3"}));
    driver.click(dialog.Button3);
    EXPECT_EQ(keys(), QStringList({"1", "2"}));
    EXPECT_FALSE(dialog.ValueListEditor1_IsDelRow);
}

TEST_F(SealControlDialog, EmptyRowLeftForAnotherButtonDoesNotEatTheNextDelete) {
    startWith("[Values plombs]\r\n1=A\r\n2=B\r\n");
    driver.click(dialog.Button2);
    driver.click(dialog.Button1); // the empty row goes when the list is left
    EXPECT_EQ(keys(), QStringList({"1", "2"}));
    dialog.ValueListEditor1.currentRow = 1;
    driver.click(dialog.Button3);
    EXPECT_EQ(keys(), QStringList({"1"}));
    EXPECT_EQ(dialog.ValueListEditor1.value(1), "B");
}

TEST_F(SealControlDialog, EmptiedSealDoesNotStayInTheFile) {
    startWith("[Values plombs]\r\n1=A\r\n2=B\r\n3=C\r\n");
    driver.click(dialog.Button1);
    dialog.ValueListEditor1.currentRow = 2;
    dialog.ValueListEditor1.setText("");
    dialog.ValueListEditor1.currentRow = 3;
    driver.click(dialog.exitBtn);
    EXPECT_EQ(bytesOnDisk(), QByteArray("[Values plombs]\r\n1=A\r\n2=C\r\n"));
}

TEST_F(SealControlDialog, EditOnAnEmptyListStartsRowOne) {
    startWith("");
    EXPECT_FALSE(dialog.CheckBox1.checked);
    driver.click(dialog.Button1);
    EXPECT_EQ(keys(), QStringList({"1"}));
    EXPECT_FALSE(dialog.ValueListEditor1.readOnly);
    driver.type("П-1");
    driver.pressEnter();
    EXPECT_TRUE(dialog.isFocused(dialog.Button1));
    EXPECT_TRUE(dialog.ValueListEditor1.readOnly);
    driver.closeWindow();
    EXPECT_EQ(settings.PlombsValues, QStringList({"1=П-1"}));
}

TEST_F(SealControlDialog, FailedSaveIsReported) {
    path = dir.filePath("missing/korvane_tune.ini");
    TForm3 elsewhere{boxes, path, settings, mainWindow, mainWindow.FPlomba};
    elsewhere.ValueListEditor1.appendRow("1", "A");
    FormDriver(elsewhere).closeWindow();
    ASSERT_EQ(boxes.errors.size(), 1);
    EXPECT_TRUE(boxes.errors[0].startsWith("Не удалось сохранить настройки"))
        << boxes.errors[0].toStdString();
    EXPECT_FALSE(settings.IsValuesPlombs);
}

} // namespace
