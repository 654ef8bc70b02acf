#include "tests/main_window/statement_window_fixture.h"

namespace {

enum class Mode { SingleSymbol, OnlyGroup2 };

struct NavigationCase {
    const char* name;
    Mode mode;
    Control& (*from)(TForm1&);
    bool ctrl;
    Control& (*to)(TForm1&);

    friend void PrintTo(const NavigationCase& c, std::ostream* out) { *out << c.name; }
};

class KeyboardNavigation : public StatementWindowTest,
                           public testing::WithParamInterface<NavigationCase> {};

TEST_P(KeyboardNavigation, EnterMovesTheFocus) {
    const NavigationCase& c = GetParam();
    TForm1& form = start();
    recTuningDate data = accountEntry();
    if (c.mode == Mode::SingleSymbol) {
        data.skpDef = "05";
    } else {
        data.skpDef1.clear();
        data.skpDef2 = "11";
        data.skpDef3.clear();
    }
    form.applyTuningData(data);
    driver->focus(c.from(form));
    ASSERT_TRUE(form.isFocused(c.from(form)));
    c.ctrl ? driver->pressCtrlEnter() : driver->pressEnter();
    ASSERT_NE(form.focused(), nullptr);
    EXPECT_EQ(form.focused()->name(), c.to(form).name());
}

Control& row0Count(TForm1& f) {
    return *f.NCount[0];
}
Control& row1Count(TForm1& f) {
    return *f.NCount[1];
}
Control& row0Sum(TForm1& f) {
    return *f.NSum[0];
}
Control& row1Sum(TForm1& f) {
    return *f.NSum[1];
}
Control& row5Count(TForm1& f) {
    return *f.NCount[5];
}
Control& row14Count(TForm1& f) {
    return *f.NCount[14];
}
Control& row14Sum(TForm1& f) {
    return *f.NSum[14];
}
Control& skp0(TForm1& f) {
    return *f.SSkp[0];
}
Control& skp3(TForm1& f) {
    return *f.SSkp[3];
}
Control& skpSum0(TForm1& f) {
    return *f.SSum[0];
}
Control& skpSum4(TForm1& f) {
    return *f.SSum[4];
}
Control& skpSum5(TForm1& f) {
    return *f.SSum[5];
}
Control& skpSum8(TForm1& f) {
    return *f.SSum[8];
}
Control& fio(TForm1& f) {
    return f.FFIO;
}
Control& print(TForm1& f) {
    return f.printBtn;
}
Control& bag(TForm1& f) {
    return f.FNBag;
}
Control& number(TForm1& f) {
    return f.NVedName;
}
Control& credit(TForm1& f) {
    return f.FAccKt;
}
Control& date(TForm1& f) {
    return f.FDateCreate;
}
Control& sumBPA(TForm1& f) {
    return f.SumBPA;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KeyboardNavigation,
    testing::Values(
        NavigationCase{"CountToNextCount", Mode::SingleSymbol, row0Count, false, row1Count},
        NavigationCase{"SumToNextSum", Mode::SingleSymbol, row0Sum, false, row1Sum},
        NavigationCase{"LastSumToSymbolGrid", Mode::SingleSymbol, row14Sum, false, skp0},
        NavigationCase{"LastCountToSymbolGrid", Mode::SingleSymbol, row14Count, false, skp0},
        NavigationCase{"SymbolSkipsClosedSecondary", Mode::SingleSymbol, skp0, false, skpSum0},
        NavigationCase{"LastSymbolRowToClient", Mode::SingleSymbol, skpSum8, false, fio},
        NavigationCase{"ClientToPrint", Mode::SingleSymbol, fio, false, print},
        NavigationCase{"BagToNumber", Mode::SingleSymbol, bag, false, number},
        NavigationCase{"CreditToGrid", Mode::SingleSymbol, credit, false, row0Count},
        NavigationCase{"DateWrapsPastHiddenAmounts", Mode::SingleSymbol, date, false, bag},
        NavigationCase{"CtrlEnterToSymbolGrid", Mode::SingleSymbol, row5Count, true, skp0},
        NavigationCase{"CtrlEnterToClient", Mode::SingleSymbol, skpSum4, true, fio},
        NavigationCase{"LastSumToFirstOpenGroup", Mode::OnlyGroup2, row14Sum, false, skp3},
        NavigationCase{"CtrlEnterToFirstOpenGroup", Mode::OnlyGroup2, row0Sum, true, skp3},
        NavigationCase{"ClosedGroupsSkipped", Mode::OnlyGroup2, skpSum5, false, fio},
        NavigationCase{"DateToOpenAmount", Mode::OnlyGroup2, date, false, sumBPA}),
    [](const testing::TestParamInfo<NavigationCase>& info) { return info.param.name; });

using KeyboardNavigationModes = StatementWindowTest;

TEST_F(KeyboardNavigationModes, ReadOnlyNumberIsSkipped) {
    writeSettings("[NVed Cast]\nNVedCastValue=1\n");
    TForm1& form = start();
    driver->focus(form.FNBag);
    driver->pressEnter();
    EXPECT_TRUE(form.isFocused(form.FPlomba));
}

TEST_F(KeyboardNavigationModes, OtherKeysPassToTheField) {
    TForm1& form = start();
    driver->focus(*form.NCount[0]);
    driver->type("12");
    EXPECT_EQ(form.NCount[0]->text(), "12");
    EXPECT_TRUE(form.isFocused(*form.NCount[0]));
}

TEST_F(KeyboardNavigationModes, FirstClickSelectsTheDeclaredAmount) {
    TForm1& form = start();
    form.SumV.setText("1,000.00");
    driver->click(form.SumV);
    EXPECT_EQ(form.SumV.selLength, 8);
    form.SumV.selStart = 3;
    form.SumV.selLength = 0;
    driver->click(form.SumV);
    EXPECT_EQ(form.SumV.selLength, 0) << "later clicks place the caret";
    form.Edit1Exit();
    driver->click(form.SumV);
    EXPECT_EQ(form.SumV.selLength, 8);
}

} // namespace
