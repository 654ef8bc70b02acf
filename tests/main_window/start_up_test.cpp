#include "tests/main_window/statement_window_fixture.h"

namespace {

using StartUp = StatementWindowTest;

TEST_F(StartUp, FillsTheWindowInOrder) {
    TForm1& form = start();
    EXPECT_EQ(form.FDateCreate.text(), "05.03.2026");
    EXPECT_EQ(form.NNominal[0]->text(), "5,000 руб.");
    EXPECT_EQ(form.NNominal[7]->text(), "10 руб.");
    EXPECT_EQ(form.NType[7]->text(), "шт.");
    EXPECT_EQ(form.NNominal[11]->text(), "0.50 коп.");
    EXPECT_EQ(form.NType[6]->text(), "л.");
    for (Control* sum : {&form.sumPV, &form.SumV, &form.SumBPA, &form.SumPA}) {
        EXPECT_EQ(sum->text(), "0.00") << sum->name().toStdString();
    }
    EXPECT_EQ(form.kodYpin, "7") << "registry fallback without data files";
    EXPECT_EQ(form.caption, "Препроводительная ведомость");
    EXPECT_EQ(form.getPvName(), "korvane");
    EXPECT_TRUE(form.lists.isFirstTime);
    EXPECT_FALSE(form.LibraryHandle.isLoaded());
    EXPECT_TRUE(boxes.boxes.isEmpty()) << "a missing library is silent at start";
    EXPECT_EQ(layoutActivations, 1);
}

TEST_F(StartUp, LoadsTheDefaultDataEntryAndItsModes) {
    writeFile("Korvane.xml", "<?xml version=\"1.0\" encoding=\"UTF-8\"?><KORVANE>"
                             "<DATA KODYPIN=\"1501\" YPINSHIFR=\"ПИ-015\" SKP1=\"2\" SKP3=\"12\"/>"
                             "<DATA KODYPIN=\"1502\" DEFAULT=\"y\" YPINSHIFR=\"ПИ-016\" SKP=\"5\"/>"
                             "</KORVANE>");
    TForm1& form = start();
    EXPECT_EQ(form.caption, "Препроводительная ведомость Korvane(2)");
    EXPECT_EQ(form.curTuningData, (recTuning{"Korvane", 2}));
    EXPECT_EQ(form.skpDef, "05");
    EXPECT_FALSE(form.SumV.visible) << "single-symbol mode";
    EXPECT_EQ(form.NVedPrefix.text(), "ПИ-016");
}

struct NumberModeCase {
    const char* name;
    const char* settings;
    int mode;
    bool typed; // editable, tab stop, lime
    int left;
    int width;
    int maxLength;
    bool prefixShown;

    friend void PrintTo(const NumberModeCase& c, std::ostream* out) { *out << c.name; }
};

class StartUpNumberMode : public StatementWindowTest,
                          public testing::WithParamInterface<NumberModeCase> {};

TEST_P(StartUpNumberMode, LaysOutTheNumberField) {
    const NumberModeCase& c = GetParam();
    if (*c.settings) writeSettings(QString::fromUtf8(c.settings));
    TForm1& form = start();
    EXPECT_EQ(form.lists.NVedCastValue, c.mode);
    EXPECT_EQ(form.NVedName.readOnly, !c.typed);
    EXPECT_EQ(form.NVedName.tabStop, c.typed);
    EXPECT_EQ(form.NVedName.colour, c.typed ? clLime : clBtnFace);
    EXPECT_EQ(form.NVedName.left, c.left);
    EXPECT_EQ(form.NVedName.width, c.width);
    EXPECT_EQ(form.NVedName.maxLength, c.maxLength);
    EXPECT_EQ(form.NVedName.label,
              c.prefixShown ? "Ведомость №" + QString(22, u' ') : QString("Ведомость №"));
    EXPECT_EQ(form.NVedPrefix.visible, c.prefixShown);
    EXPECT_EQ(form.NVedPrefix.text(), c.prefixShown ? "ПИ-7" : "");
}

INSTANTIATE_TEST_SUITE_P(
    Modes, StartUpNumberMode,
    testing::Values(
        NumberModeCase{"NoFile", "", 0, true, 529, 43, 3, true},
        NumberModeCase{"MinusOne", "[NVed Cast]\nNVedCastValue=-1\n", 0, true, 529, 43, 3, true},
        NumberModeCase{"NoKey", "[NVed Cast]\nOther=2\n", 0, true, 529, 43, 3, true},
        NumberModeCase{"BagNumber", "[nved cast]\nnvedcastvalue=1\n", 1, false, 438, 135, 20,
                       false},
        NumberModeCase{"Free", "[NVed Cast]\nNVedCastValue=2\n", 2, true, 438, 135, 20, false},
        NumberModeCase{"Empty", "[NVed Cast]\nNVedCastValue=3\n", 3, false, 438, 135, 20, false},
        NumberModeCase{"Unknown", "[NVed Cast]\nNVedCastValue=7\n", 7, true, 438, 135, 20, false}),
    [](const testing::TestParamInfo<NumberModeCase>& info) { return info.param.name; });

TEST_F(StartUp, ReadsTheControlLists) {
    writeSettings("[Control plombs]\r\nIsControlPlombs=1\r\n"
                  "[Values plombs]\r\n1=АБ 1\r\n2=Б2\r\n"
                  "[Control bags]\r\nIsControlBags=2\r\n"
                  "[Values bags]\r\n№=Начальный шифр;Последний шифр\r\n1=АБ1;АБ9\r\n");
    TForm1& form = start();
    EXPECT_TRUE(form.lists.IsControlPlombs);
    EXPECT_TRUE(form.lists.IsValuesPlombs);
    EXPECT_EQ(form.lists.PlombsValues, QStringList({"1=АБ 1", "2=Б2"}));
    EXPECT_TRUE(form.lists.IsControlBags);
    EXPECT_TRUE(form.lists.IsValuesBags);
    EXPECT_EQ(form.lists.BagsValues, QStringList({"№=Начальный шифр;Последний шифр", "1=АБ1;АБ9"}));
}

TEST_F(StartUp, EmptySectionsCountAsMissing) {
    writeSettings("[Control plombs]\r\nIsControlPlombs=0\r\n[Values plombs]\r\n[Values bags]\r\n");
    TForm1& form = start();
    EXPECT_FALSE(form.lists.IsControlPlombs);
    EXPECT_FALSE(form.lists.IsValuesPlombs);
    EXPECT_FALSE(form.lists.IsControlBags);
    EXPECT_FALSE(form.lists.IsValuesBags);
}

} // namespace
