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

TEST_F(Dialogs, BagDialogReadsTheListAfreshAndPutsItInForce) {
    TForm1& form = start();
    // Written after start-up, as another installation sharing the folder would.
    writeSettings("[Control bags]\r\nIsControlBags=1\r\n"
                  "[Values bags]\r\n№=Начальный шифр\u0001Последний шифр\u0001Позиция инкремента"
                  "\u0001Кол-во сумок\r\n1=АБ00001\u0001АБ00500\u00013\u0001500\r\n");
    form.lists.IsControlBags = true;
    form.Form4.runModal = [&](Form& dialog) {
        EXPECT_EQ(form.Form4.StringGrid1.cell(1, 1), "АБ00001");
        FormDriver(dialog).click(form.Form4.exitBtn);
    };
    form.ShowBags();
    EXPECT_FALSE(form.Form4.isShowing());
    EXPECT_TRUE(form.lists.IsValuesBags);
    form.FNBag.setText("АБ00250");
    EXPECT_TRUE(form.IsValueBagInList());
    form.FNBag.setText("АБ00501");
    EXPECT_FALSE(form.IsValueBagInList());
}

} // namespace
