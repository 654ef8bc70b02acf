#include "tests/bag_control/bag_dialog_fixture.h"

#include "app/bag_control/bag_admission.h"

namespace {

using BagListStorage = BagDialog;

TEST_F(BagListStorage, FirstOpeningWritesTheHeadingLine) {
    startWith({"[NVed Cast]", "NVedCastValue=1"});
    const QString withHeading =
        "[NVed Cast]\r\nNVedCastValue=1\r\n[Values bags]\r\n" + headingLine + "\r\n";
    EXPECT_EQ(fileText(), withHeading);
    EXPECT_EQ(settings.BagsValues, QStringList({headingLine}));
    driver.closeWindow();
    EXPECT_EQ(fileText(), withHeading);
    EXPECT_TRUE(settings.IsValuesBags);
}

TEST_F(BagListStorage, DeletingTheOnlyEntryLeavesTheHeadingLine) {
    startWith({"[Control bags]", "IsControlBags=1", "[Values bags]", headingLine,
               bagLine("1", {"АБ00001", "АБ00500", "3", "500"})});
    EXPECT_EQ(dialog.getBeginShifrValue(), "АБ00001");
    EXPECT_TRUE(isBagAdmitted(settings.BagsValues, "АБ00002"));
    driver.click(dialog.Button3);
    EXPECT_EQ(dialog.StringGrid1.rowCount(), 2);
    EXPECT_EQ(row(1), QStringList({"", "", "", "", ""}));
    EXPECT_EQ(dialog.getBeginShifrValue(), "");
    driver.click(dialog.Button3); // nothing left to delete
    EXPECT_EQ(dialog.StringGrid1.rowCount(), 2);
    driver.click(dialog.exitBtn);
    EXPECT_EQ(fileText(),
              "[Control bags]\r\nIsControlBags=1\r\n[Values bags]\r\n" + headingLine + "\r\n");
    EXPECT_EQ(settings.BagsValues, QStringList({headingLine}));
    EXPECT_FALSE(isBagAdmitted(settings.BagsValues, "АБ00002"));
}

TEST_F(BagListStorage, DeletingRenumbersTheRowsBelow) {
    startWith({"[Values bags]", headingLine, bagLine("1", {"A", "", "", "1"}),
               bagLine("2", {"B", "", "", "1"}), bagLine("3", {"C", "", "", "1"})});
    selectRow(2);
    driver.click(dialog.Button3);
    EXPECT_EQ(row(2), QStringList({"2", "C", "", "", "1"}));
    EXPECT_EQ(dialog.getBeginShifrValue(), "C");
    driver.closeWindow();
    EXPECT_EQ(settings.BagsValues, QStringList({headingLine, bagLine("1", {"A", "", "", "1"}),
                                                bagLine("2", {"C", "", "", "1"})}));
}

TEST_F(BagListStorage, ListBuiltInTheDialogIsAdmittedAfterReadingBack) {
    startWith({});
    driver.click(dialog.CheckBox1);
    addEntry("АБ00001", "500");
    addEntry("ABC", "");
    addEntry("X7Y", "1");
    driver.click(dialog.exitBtn);
    EXPECT_FALSE(dialog.isShowing());
    EXPECT_TRUE(mainWindow.isFocused(mainWindow.FNBag));
    EXPECT_TRUE(settings.IsControlBags);
    EXPECT_EQ(dialog.StringGrid1.rowCount(), 2) << "emptied for the next opening";

    const ListSettings readBack = readListSettings(IniFile(path));
    EXPECT_TRUE(readBack.IsControlBags);
    EXPECT_EQ(readBack.BagsValues, settings.BagsValues);
    struct Case {
        const char* bag;
        bool admitted;
    };
    for (const Case c :
         {Case{"АБ00250", true}, Case{"АБ00501", false}, Case{"АБ0250", false},
          Case{"АВ00250", false}, Case{"ABC", true}, Case{"X7Y", true}, Case{"X8Y", false}}) {
        EXPECT_EQ(isBagAdmitted(readBack.BagsValues, QString::fromUtf8(c.bag)), c.admitted)
            << c.bag;
    }

    open();
    EXPECT_EQ(row(3), QStringList({"3", "X7Y", "X7Y", "2", "1"}));
    EXPECT_EQ(dialog.getBeginShifrValue(), "АБ00001");
}

TEST_F(BagListStorage, OddLinesOfEarlierInstallationsSurviveUnchanged) {
    const QStringList lines{
        "[Values bags]",
        headingLine,
        "1=",
        "2=Z001",
        bagLine("3", {"Q01", "Q09", "xyz"}),
        bagLine("4", {"Q01", "Q09", "2", "xyz"}),
        bagLine("5", {"ABCDEFGHIJKLMNOPQRSTUVWXY", "", "", ""}),
        bagLine("6", {"A1", "A9", "2", "9", "extra"}),
        "[Control bags]",
        "IsControlBags=1",
    };
    startWith(lines);
    const QString before = fileText();
    EXPECT_EQ(row(4), QStringList({"4", "Q01", "Q09", "2", "xyz"}));
    for (int r = 1; r <= 6; ++r) selectRow(r);
    EXPECT_EQ(dialog.getBeginShifrValue(), "A1");
    selectRow(5);
    EXPECT_EQ(dialog.getBeginShifrValue(), "ABCDEFGHIJKLMNOPQRST");
    driver.closeWindow();
    EXPECT_EQ(fileText(), before);
    EXPECT_TRUE(isBagAdmitted(settings.BagsValues, "Q05"));
}

TEST_F(BagListStorage, ListWithoutHeadingLineKeepsEveryEntry) {
    startWith(
        {"[Values bags]", bagLine("1", {"A", "", "", "1"}), bagLine("2", {"B", "", "", "1"})});
    EXPECT_EQ(row(0)[1], "Начальный шифр");
    EXPECT_EQ(row(1), QStringList({"1", "A", "", "", "1"}));
    EXPECT_EQ(row(2), QStringList({"2", "B", "", "", "1"}));
    driver.closeWindow();
    EXPECT_EQ(settings.BagsValues, QStringList({headingLine, bagLine("1", {"A", "", "", "1"}),
                                                bagLine("2", {"B", "", "", "1"})}));
}

TEST(BagListUnwritable, FailedWritesAreReported) {
    QTemporaryDir dir;
    const QString path = dir.filePath("missing/korvane_tune.ini");
    ScriptedMessageBoxes boxes;
    BagFieldWindow mainWindow{boxes};
    ListSettings settings;
    TForm4 dialog{boxes, path, settings, mainWindow, mainWindow.FNBag};
    dialog.GetBagsValue();
    dialog.runEvent([&] { dialog.close(); });
    ASSERT_EQ(boxes.errors.size(), 2);
    EXPECT_TRUE(boxes.errors[0].startsWith("Не удалось сохранить настройки"));
    EXPECT_TRUE(settings.BagsValues.isEmpty()) << "what the file holds, not what was meant";
}

} // namespace
