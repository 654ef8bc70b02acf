#include "tests/main_window/statement_window_fixture.h"

namespace {

using Dialogs = StatementWindowTest;

TEST_F(Dialogs, SealDialogLoadsTheListOnceAndSavesOnClose) {
    writeSettings("[Values plombs]\r\n1=А1\r\n2=А2\r\n");
    TForm1& form = start();
    int openings = 0;
    form.Form3.runModal = [&](Form& dialog) {
        ++openings;
        EXPECT_FALSE(form.lists.isFirstTime);
        EXPECT_EQ(form.Form3.ValueListEditor1.entryCount(), 2) << "rows kept between openings";
        FormDriver(dialog).click(form.Form3.exitBtn);
        EXPECT_FALSE(dialog.isShowing());
    };
    form.ShowPlomb();
    form.ShowPlomb();
    EXPECT_EQ(openings, 2);
    EXPECT_TRUE(form.isFocused(form.FPlomba));
    EXPECT_EQ(form.lists.PlombsValues, QStringList({"1=А1", "2=А2"}));
}

TEST_F(Dialogs, NumberDialogRelaysTheMainWindow) {
    TForm1& form = start();
    form.FNBag.setText("АБ5");
    form.Form2.runModal = [&](Form& dialog) {
        EXPECT_EQ(form.Form2.RadioGroup1.itemIndex, 0);
        FormDriver dialogDriver(dialog);
        dialogDriver.choose(form.Form2.RadioGroup1, 1);
        dialogDriver.click(form.Form2.BitBtn1);
    };
    form.ShowNVedCast();
    EXPECT_FALSE(form.Form2.isShowing());
    EXPECT_EQ(form.lists.NVedCastValue, 1);
    EXPECT_EQ(form.NVedName.text(), "АБ5");
    EXPECT_TRUE(form.NVedName.readOnly);
    EXPECT_EQ(
        IniFile(dir.filePath("korvane_tune.ini")).readInteger("NVed Cast", "NVedCastValue", -9), 1);
    EXPECT_TRUE(boxes.boxes.isEmpty()) << "OK asks nothing";
}

} // namespace
