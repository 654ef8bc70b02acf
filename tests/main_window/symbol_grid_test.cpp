#include "tests/main_window/grid_fixture.h"

namespace {

const char* const repeatedSymbol = "Повторение значения СКП!";
const char* const secondaryAsSymbol = "Это СКП2! Введите СКП!";
const char* const unlisted77 = "СКП \"77\" не используется! Пожалуйста, введите СКП из списка: ";

struct SymbolCase {
    const char* name;
    const char* isypsk;
    const char* typed;
    const char* stored;  // the field's text afterwards
    const char* hint;    // the field's hint afterwards
    const char* warning; // null when accepted
};

void PrintTo(const SymbolCase& c, std::ostream* out) {
    *out << c.name;
}

class AccountSymbol : public GridTest, public testing::WithParamInterface<SymbolCase> {};

TEST_P(AccountSymbol, IsCheckedAgainstTheGroupLists) {
    const SymbolCase& c = GetParam();
    recTuningDate entry = allGroupsEntry();
    entry.ISYPSK = c.isypsk;
    TForm1& form = startWith(entry);
    form.SSkp[6]->setText("12"); // held by the ПА group, so not offered again
    form.SSkp[0]->hint = "old";

    enter(*form.SSkp[0], c.typed);

    EXPECT_EQ(form.SSkp[0]->text(), QString::fromUtf8(c.stored));
    EXPECT_EQ(form.SSkp[0]->hint, QString::fromUtf8(c.hint));
    if (c.warning) {
        EXPECT_EQ(warnings(), QStringList{QString::fromUtf8(c.warning)});
        EXPECT_TRUE(form.isFocused(*form.SSkp[0]));
        EXPECT_EQ(form.SSkp[0]->colour, clYellow);
    } else {
        EXPECT_EQ(warnings(), QStringList{});
        EXPECT_EQ(form.SSkp[0]->colour, clLime);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AccountSymbol,
    testing::Values(
        SymbolCase{"ListedGetsItsName", "Y", "2", "02", "Балансовый;Выручка", nullptr},
        SymbolCase{"ZeroEmptiesAndClearsTheHint", "Y", "0", "", "", nullptr},
        SymbolCase{"Malformed", "Y", "1a", "1a", "old",
                   "Введите корректное значение СКП формате \"900\"!"},
        SymbolCase{"ListedSecondary", "Y", "52", "52", "old", secondaryAsSymbol},
        SymbolCase{"StrictOffersUnusedPrimaries", "Y", "77", "77", "old",
                   "СКП \"77\" не используется! Пожалуйста, введите СКП из списка: \"02\", "
                   "\"11\"."},
        SymbolCase{"LenientAcceptsUnlisted", "", "77", "77", "Значения СКП нет среди допустимых!",
                   nullptr},
        SymbolCase{"LenientRefusesADefaultSecondary", "", "51", "51", "old", secondaryAsSymbol}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GridTest, StrictControlWithEveryPrimaryInUseOffersNothing) {
    TForm1& form = startWith(allGroupsEntry());
    form.SSkp[3]->setText("11");
    form.SSkp[6]->setText("12");
    form.SSkp[1]->setText("02");
    enter(*form.SSkp[0], "77");
    EXPECT_EQ(warnings(), QStringList{QString::fromUtf8(unlisted77) + "."});
}

TEST_F(GridTest, SingleSymbolModeChecksTheListAndRefusesRepeats) {
    const struct {
        QList<TSkp> list;
        const char* typed;
        const char* warning;
    } cases[] = {
        {{}, "7", nullptr},
        {{}, "5", repeatedSymbol},
        {{{5, "Пять"}, {17, "x"}},
         "7",
         "СКП \"07\" не используется! Пожалуйста, введите СКП из списка: \"05\", \"17\"."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        recTuningDate entry = allGroupsEntry();
        entry.skpDef = "05";
        entry.ASkp = c.list;
        TForm1& form = startWith(entry);
        form.SSkp[0]->setText("05");
        enter(*form.SSkp[4], c.typed);
        if (c.warning) {
            EXPECT_EQ(warnings(), QStringList{QString::fromUtf8(c.warning)});
            EXPECT_TRUE(form.isFocused(*form.SSkp[4]));
        } else {
            EXPECT_EQ(warnings(), QStringList{});
            EXPECT_EQ(form.SSkp[4]->text(), "07");
            EXPECT_EQ(form.SSkp[4]->hint, "") << "no names in single-symbol mode";
        }
        boxes.boxes.clear();
    }
}

TEST_F(GridTest, OneSecondaryEntryAdmitsAPrimaryInTwoRows) {
    recTuningDate entry = allGroupsEntry();
    entry.skpDef2Z = "";
    TForm1& form = startWith(entry);
    form.SSkp[0]->setText("02");
    form.SSum[0]->setText("1.00");
    enter(*form.SSkp[1], "2");
    EXPECT_EQ(warnings(), QStringList{});
    EXPECT_TRUE(form.isFocused(*form.ZSkp[1])) << "the repeat needs a secondary symbol";

    form.ZSkp[1]->setText("52");
    form.SSum[1]->setText("1.00");
    enter(*form.SSkp[2], "2");
    EXPECT_EQ(warnings(),
              QStringList{QStringLiteral("Для данного СКП нет допустимых комбинаций СКП+СКП2")});
    EXPECT_TRUE(form.isFocused(*form.SSkp[2]));
}

TEST_F(GridTest, ASymbolInARowWithoutAmountTakesWhatTheDocumentSumLeaves) {
    TForm1& form = startWith(allGroupsEntry());
    form.sumPV.setText("1,000.00");
    form.SSkp[0]->setText("02");
    form.SSum[0]->setText("400.00");
    form.SumBPA.setText("600.00");

    enter(*form.SSkp[3], "11");

    EXPECT_EQ(form.SSum[3]->text(), "600.00");
    EXPECT_EQ(form.Label15.text(), "400.00");
    EXPECT_EQ(form.Label16.text(), "600.00");
    EXPECT_EQ(form.Label17.text(), "0.00");
    EXPECT_EQ(form.SumBPA.fontColour, clWindowText);
    EXPECT_EQ(form.SumV.fontColour, clRed);
    EXPECT_EQ(form.SumV.hint, "Сумма Выручки не равна сумме с разбивкой Выручки по СКП!");
    EXPECT_EQ(form.sumPV.colour, clBtnFace);

    form.SSum[0]->setText("1,400.00"); // the rows now pass the document sum
    enter(*form.SSkp[6], "12");
    EXPECT_EQ(form.SSum[6]->text(), "");
    EXPECT_EQ(form.sumPV.colour, clRed);
    EXPECT_EQ(form.sumPV.hint, "Сумма документа не равна сумме с разбивкой по СКП!");
}

TEST_F(GridTest, ADeclaredAmountOpensItsEmptyGroup) {
    TForm1& form = startWith(allGroupsEntry());
    enter(form.SumV, "1000");
    EXPECT_EQ(form.SumV.text(), "1,000.00");
    EXPECT_EQ(form.SSkp[0]->text(), "02");
    EXPECT_EQ(form.SSkp[0]->hint, "Балансовый;Выручка");
    EXPECT_EQ(form.SSum[0]->text(), "1,000.00");
    EXPECT_EQ(form.Label15.text(), "1,000.00");
    EXPECT_EQ(form.SumV.fontColour, clWindowText);

    enter(form.SumBPA, "5");
    EXPECT_EQ(form.SumBPA.text(), "5.00");
    EXPECT_EQ(form.SSkp[3]->text(), "11");
    EXPECT_EQ(form.ZSkp[3]->text(), "51");
    EXPECT_EQ(form.SSum[3]->text(), "5.00");
    EXPECT_EQ(form.Label16.text(), "5.00");

    enter(form.SumV, "0");
    EXPECT_EQ(form.SumV.text(), "0.00");
    EXPECT_EQ(form.SSum[0]->text(), "1,000.00") << "a group with amounts is not refilled";
    EXPECT_EQ(form.SumV.fontColour, clRed);
    EXPECT_EQ(boxes.errors, QStringList{});
}

TEST_F(GridTest, LeavingAnAmountNormalisesItAndRefreshesItsGroup) {
    TForm1& form = startWith(allGroupsEntry());
    form.sumPV.setText("300.00");
    form.SSkp[0]->setText("02");
    form.NCount[3]->setText("3");
    form.NSum[3]->setText("300.00");
    enter(*form.SSum[0], "300");
    EXPECT_EQ(form.SSum[0]->text(), "300.00");
    EXPECT_EQ(form.Label15.text(), "300.00");
    EXPECT_EQ(form.sumPV.colour, clBtnFace);
    EXPECT_EQ(form.aNBreakDown[0][3], 3) << "the split follows the amounts";

    enter(*form.SSum[1], "1");
    EXPECT_TRUE(form.isFocused(*form.SSkp[1])) << "an amount wants its symbol";
    EXPECT_EQ(form.sumPV.colour, clRed);

    enter(*form.SSum[1], "92,233,720,368,547,758.07");
    EXPECT_EQ(warnings().last(), "Суммы по СКП не могут превышат 92,233,720,368,547,758.07!!");
    EXPECT_TRUE(form.isFocused(*form.SSum[1]));
}

TEST_F(GridTest, SingleSymbolModeAmountsLeaveGroupTotalsAlone) {
    recTuningDate entry = allGroupsEntry();
    entry.skpDef = "05";
    TForm1& form = startWith(entry);
    form.SSkp[0]->setText("05");
    form.aNBreakDown[0][0] = 7;
    enter(*form.SSum[0], "100");
    EXPECT_EQ(form.SSum[0]->text(), "100.00");
    EXPECT_EQ(form.Label15.text(), "0.00");
    EXPECT_EQ(form.aNBreakDown[0][0], 7);
    EXPECT_EQ(form.sumPV.colour, clRed);
}

TEST_F(GridTest, LeavingForClearOrExitSkipsTheChecks) {
    TForm1& form = startWith(allGroupsEntry());
    for (Control* field : {form.SSkp[0], form.SSum[0]}) {
        driver->typeOver(*field, "abc");
        driver->focus(form.exitBtn);
        EXPECT_TRUE(form.isFocused(form.exitBtn));
        EXPECT_EQ(field->text(), "abc");
        EXPECT_EQ(field->colour, clLime);
    }
    EXPECT_EQ(warnings(), QStringList{});
}

struct SecondaryCase {
    const char* name;
    const char* symbol1;
    const char* typed;
    const char* hint;  // the field's hint afterwards
    const char* error; // the general error box, null when accepted
};

void PrintTo(const SecondaryCase& c, std::ostream* out) {
    *out << c.name;
}

class SecondarySymbol : public GridTest, public testing::WithParamInterface<SecondaryCase> {};

TEST_P(SecondarySymbol, IsCheckedWhenLeft) {
    const SecondaryCase& c = GetParam();
    TForm1& form = startWith(allGroupsEntry());
    form.SSkp[0]->setText("123");
    form.SSkp[1]->setText(QString::fromUtf8(c.symbol1));
    form.SSum[1]->setText("1.00");
    enter(*form.ZSkp[1], c.typed);
    EXPECT_EQ(form.ZSkp[1]->hint, QString::fromUtf8(c.hint));
    EXPECT_EQ(boxes.errors, c.error ? QStringList{QString::fromUtf8(c.error)} : QStringList{});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SecondarySymbol,
    testing::Values(SecondaryCase{"Listed", "02", "52", "Забалансовый:Забалансовый", nullptr},
                    SecondaryCase{"DefaultCode", "02", "51", "", nullptr},
                    // Symbol and secondary symbol are compared joined: 12 with 3 reads as 123.
                    SecondaryCase{"KeyCollidesWithALongerSymbol", "12", "3", "",
                                  "Повторение комбинации СКП+СКП2!"},
                    SecondaryCase{"PrimaryCode", "02", "12", "", "Это СКП! Введите СКП2!"},
                    SecondaryCase{
                        "StrictOffersTheSecondaries", "02", "53", "",
                        "СКП2 \"53\" не используется! Пожалуйста, введите СКП2 из списка: \"52\", "
                        "51."},
                    SecondaryCase{"NotANumber", "02", "x", "", "\"x\" не является целым числом"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GridTest, ReportTextsListTheSymbolRows) {
    TForm1& form = startWith(allGroupsEntry());
    form.SSkp[0]->setText("02");
    form.SSkp[0]->hint = "Балансовый;Выручка";
    form.SSum[0]->setText("1,500.00");
    form.SSkp[2]->setText("16");
    form.ZSkp[2]->setText("52");
    form.ZSkp[2]->hint = "Забалансовый:Вклад";
    form.SSum[2]->setText("300.00");
    form.SSkp[3]->setText("11");
    form.SSkp[3]->hint = "Кассовый";
    form.SSum[3]->setText("7.00");

    QString all;
    form.getSourceInput(all);
    EXPECT_EQ(all, " 02-1,500.00; 16-300.00; 11-7.00;");
    QString revenue;
    form.getSourceInputPv(1, revenue);
    EXPECT_EQ(revenue, " Выручка-1,500-00, -300-00, Вклад-300-00");
    QString extended = "БПА:";
    form.getSourceInputPv(2, extended);
    EXPECT_EQ(extended, "БПА:, Кассовый-7-00") << "a hint without \";\" is the whole name";
}

} // namespace
