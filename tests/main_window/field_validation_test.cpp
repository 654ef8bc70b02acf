#include "tests/main_window/statement_window_fixture.h"

namespace {

// All three groups open, with default symbols and secondary symbols for groups 2 and 3.
recTuningDate threeGroups() {
    recTuningDate data = accountEntry();
    data.skpDef2 = "11";
    data.skpDef3 = "12";
    data.skpDef2Z = "51";
    data.skpDef3Z = "52";
    return data;
}

struct PrefillCase {
    const char* name;
    Control* (*field)(TForm1&);
    Control* (*alreadyFilled)(TForm1&); // null for an empty group
    const char* expected;

    friend void PrintTo(const PrefillCase& c, std::ostream* out) { *out << c.name; }
};

class GroupPrefill : public StatementWindowTest, public testing::WithParamInterface<PrefillCase> {};

TEST_P(GroupPrefill, OffersTheDefaultOnlyToAnEmptyGroup) {
    const PrefillCase& c = GetParam();
    TForm1& form = start();
    form.applyTuningData(threeGroups());
    if (c.alreadyFilled) c.alreadyFilled(form)->setText("77");
    Control& field = *c.field(form);
    driver->focus(field);
    ASSERT_TRUE(form.isFocused(field));
    EXPECT_EQ(field.text(), c.expected);
    EXPECT_EQ(field.colour, clYellow);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, GroupPrefill,
    testing::Values(PrefillCase{"BpaSymbol", [](TForm1& f) { return f.SSkp[4]; }, nullptr, "11"},
                    PrefillCase{"PaSymbol", [](TForm1& f) { return f.SSkp[8]; }, nullptr, "12"},
                    PrefillCase{"BpaSecondary", [](TForm1& f) { return f.ZSkp[3]; }, nullptr, "51"},
                    PrefillCase{"PaSecondary", [](TForm1& f) { return f.ZSkp[7]; }, nullptr, "52"},
                    PrefillCase{"RevenueHasNone", [](TForm1& f) { return f.SSkp[0]; }, nullptr, ""},
                    PrefillCase{"GroupWithASymbol", [](TForm1& f) { return f.SSkp[4]; },
                                [](TForm1& f) { return f.SSkp[5]; }, ""},
                    PrefillCase{"OtherGroupFilled", [](TForm1& f) { return f.SSkp[6]; },
                                [](TForm1& f) { return f.SSkp[5]; }, "12"},
                    PrefillCase{"SecondaryOfGroupWithSecondary",
                                [](TForm1& f) { return f.ZSkp[6]; },
                                [](TForm1& f) { return f.ZSkp[8]; }, ""},
                    PrefillCase{"SecondaryBesideASymbol", [](TForm1& f) { return f.ZSkp[5]; },
                                [](TForm1& f) { return f.SSkp[3]; }, "51"}),
    [](const auto& info) { return std::string(info.param.name); });

using FieldColours = StatementWindowTest;

TEST_F(FieldColours, YellowWhileFocusedAndLimeWhenLeft) {
    TForm1& form = start();
    driver->focus(form.FFIO);
    EXPECT_EQ(form.FFIO.colour, clYellow);
    driver->focus(form.FAccDt);
    EXPECT_EQ(form.FFIO.colour, clLime);
    EXPECT_EQ(form.FAccDt.colour, clYellow);
}

// In mode 1 the number is a read-only copy of the bag number.
TEST_F(FieldColours, CopiedNumberKeepsButtonFaceAndFollowsTheBag) {
    writeSettings("[NVed Cast]\r\nNVedCastValue=1\r\n");
    TForm1& form = start();
    driver->typeOver(form.FNBag, "АБ7");
    driver->focus(form.NVedName);
    EXPECT_EQ(form.NVedName.text(), "АБ7");
    EXPECT_EQ(form.NVedName.colour, clBtnFace);
    driver->focus(form.FFIO);
    EXPECT_EQ(form.NVedName.colour, clBtnFace);
}

// The first click after entering a declared amount selects it all; later clicks place the caret.
TEST_F(FieldColours, LeavingADeclaredAmountRearmsSelectAll) {
    TForm1& form = start();
    form.applyTuningData(accountEntry());
    driver->click(form.SumV);
    EXPECT_EQ(form.SumV.selLength, 4);
    form.SumV.selLength = 0;
    driver->click(form.SumV);
    EXPECT_EQ(form.SumV.selLength, 0);
    driver->focus(form.FFIO);
    driver->click(form.SumV);
    EXPECT_EQ(form.SumV.selLength, 4);
}

// An error of a later step is left to the error box: the field keeps its text and the focus.
TEST_F(FieldColours, ErrorOfALaterStepKeepsTheFieldFocused) {
    TForm1& form = start();
    form.applyTuningData(accountEntry());
    driver->typeOver(form.SumV, "12x");
    driver->focus(form.FFIO);
    EXPECT_EQ(boxes.errors.size(), 1);
    EXPECT_TRUE(form.isFocused(form.SumV));
    EXPECT_EQ(form.SumV.text(), "12x");
    EXPECT_EQ(form.SumV.colour, clYellow);
}

enum class Leave { ForField, ForExit, ForClear };

struct DateCase {
    const char* name;
    const char* typed;
    Leave leave;
    const char* expected;
    bool refused;

    friend void PrintTo(const DateCase& c, std::ostream* out) { *out << c.name; }
};

class DateCheck : public StatementWindowTest, public testing::WithParamInterface<DateCase> {};

TEST_P(DateCheck, NormalisesOrWarns) {
    const DateCase& c = GetParam();
    TForm1& form = start();
    driver->typeOver(form.FDateCreate, c.typed);
    Control& target = c.leave == Leave::ForField  ? form.FFIO
                      : c.leave == Leave::ForExit ? form.exitBtn
                                                  : form.clearBtn;
    driver->click(target);

    EXPECT_EQ(form.FDateCreate.text(), c.expected);
    if (c.refused) {
        ASSERT_EQ(boxes.boxes.size(), 1);
        EXPECT_EQ(boxes.boxes[0].caption, "Предупреждение");
        EXPECT_EQ(boxes.boxes[0].text, "Введите корректное значение даты формате \"ДД.ММ.ГГГГ\"!");
        EXPECT_TRUE(form.isFocused(form.FDateCreate));
        EXPECT_EQ(form.FDateCreate.colour, clYellow);
    } else {
        EXPECT_TRUE(boxes.boxes.isEmpty());
        EXPECT_EQ(form.FDateCreate.colour, clLime);
    }
    EXPECT_TRUE(boxes.errors.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Dates, DateCheck,
    testing::Values(
        DateCase{"Normalised", "1.2.15", Leave::ForField, "01.02.2015", false},
        DateCase{"Invalid", "32.13.2015", Leave::ForField, "32.13.2015", true},
        DateCase{"InvalidKeptForExit", "32.13.2015", Leave::ForExit, "32.13.2015", false},
        DateCase{"NotNormalisedForExit", "1.2.15", Leave::ForExit, "1.2.15", false},
        DateCase{"InvalidThenCleared", "32.13.2015", Leave::ForClear, "05.03.2026", false}),
    [](const auto& info) { return std::string(info.param.name); });

using CreditAccount = StatementWindowTest;

TEST_F(CreditAccount, EveryChangeCopiesIntoTheCustomerAccountWithoutDefault) {
    TForm1& form = start(); // registry defaults: no customer account of its own
    driver->typeOver(form.FAccKt, "40702");
    EXPECT_EQ(form.AccCus.text(), "40702");
    driver->pressBackspace();
    EXPECT_EQ(form.AccCus.text(), "4070");
}

TEST_F(CreditAccount, CustomerAccountOfTheDataEntryStays) {
    TForm1& form = start();
    form.applyTuningData(accountEntry());
    driver->typeOver(form.FAccKt, "40799");
    EXPECT_EQ(form.AccCus.text(), "40821-1");
}

} // namespace
