#include "app/formats/input_error.h"
#include "tests/main_window/grid_fixture.h"

#include <map>

namespace {

using DenominationGrid = GridTest;

TEST_F(DenominationGrid, ACountFlowsIntoTheDocumentSumAndTheRevenueRow) {
    TForm1& form = startWith(allGroupsEntry());
    driver->typeOver(*form.NCount[0], "3");
    EXPECT_EQ(form.NNominal[0]->colour, rgbColour(255, 255, 121));
    driver->pressEnter();

    EXPECT_EQ(form.NSum[0]->text(), "15,000.00");
    EXPECT_EQ(form.sumPV.text(), "15,000.00");
    EXPECT_EQ(form.SSkp[0]->text(), "02");
    EXPECT_EQ(form.SSum[0]->text(), "15,000.00");
    EXPECT_EQ(form.Label15.text(), "15,000.00");
    EXPECT_EQ(form.sumPV.colour, clBtnFace);
    EXPECT_EQ(form.NCount[0]->colour, clLime);
    EXPECT_EQ(form.NNominal[0]->colour, clWindow);
    EXPECT_EQ(form.aNBreakDown[0][0], 3);
    EXPECT_EQ(warnings(), QStringList{});
}

struct RowCase {
    const char* name;
    bool count; // typed into the count, else into the sum
    int row;
    const char* typed;
    const char* countAfter;
    const char* sumAfter;
    const char* warning; // null when accepted
};

void PrintTo(const RowCase& c, std::ostream* out) {
    *out << c.name;
}

class RowConversion : public GridTest, public testing::WithParamInterface<RowCase> {};

TEST_P(RowConversion, KeepsCountAndSumTogether) {
    const RowCase& c = GetParam();
    TForm1& form = startWith(allGroupsEntry());
    Control& field = c.count ? *form.NCount[c.row] : *form.NSum[c.row];
    driver->typeOver(field, c.typed);
    driver->pressEnter();
    EXPECT_EQ(form.NCount[c.row]->text(), QString::fromUtf8(c.countAfter));
    EXPECT_EQ(form.NSum[c.row]->text(), QString::fromUtf8(c.sumAfter));
    if (c.warning) {
        EXPECT_EQ(warnings(), QStringList{QString::fromUtf8(c.warning)});
        EXPECT_TRUE(form.isFocused(field));
        EXPECT_EQ(form.sumPV.text(), "0.00");
    } else {
        EXPECT_EQ(warnings(), QStringList{});
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RowConversion,
    testing::Values(RowCase{"SumGivesCount", false, 3, "200", "2", "200.00", nullptr},
                    RowCase{"SumNotAMultiple", false, 3, "150.00", "", "150.00",
                            "Введите сумму кратную номиналу!"},
                    RowCase{"MalformedSum", false, 3, "1 000", "", "1 000",
                            "Введите корректное значение суммы в формате \"9,990.00\"!"},
                    RowCase{"CountGroupsThousands", true, 14, "12345", "12,345", "123.45", nullptr},
                    RowCase{"NegativeCount", true, 0, "-1", "-1", "",
                            "Введите корректное значение количества в формате \"9,990\"!"},
                    RowCase{"CountNotANumber", true, 0, "abc", "abc", "",
                            "Количество не может превышать 9,223,372,036,854,775,807!"},
                    RowCase{"CountTooLargeForTheSum", true, 0, "18446744073710", "18446744073710",
                            "", "Сумма не может превышать 92,233,720,368,547,758.07!"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DenominationGrid, TheRowsTogetherMayNotPassTheLargestAmount) {
    TForm1& form = startWith(allGroupsEntry());
    form.NSum[0]->setText("92,233,720,368,545,000.00");
    driver->typeOver(*form.NSum[1], "10000");
    driver->pressEnter();
    EXPECT_EQ(warnings(), QStringList{QStringLiteral(
                              "Суммы по номиналам не могут превышат 92,233,720,368,547,758.07!")});
    EXPECT_EQ(form.NSum[1]->text(), "10000");
}

TEST_F(DenominationGrid, TheDocumentSumReachesOnlyASingleRowCarryingTheOldSum) {
    const struct {
        const char* name;
        const char* secondSymbol; // row 1, empty for none
        const char* amount0;      // row 0, against the old document sum 10.00
        const char* expected0;
    } cases[] = {
        {"SingleRowFollows", "", "10.00", "110.00"},
        {"SeveralRows", "11", "10.00", "10.00"},
        {"RowWithAnotherAmount", "", "7.00", "7.00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TForm1& form = startWith(allGroupsEntry());
        form.NCount[5]->setText("1");
        form.NSum[5]->setText("10.00");
        form.sumPV.setText("10.00");
        form.SSkp[0]->setText("02");
        form.SSum[0]->setText(c.amount0);
        form.SSkp[1]->setText(c.secondSymbol);
        driver->typeOver(*form.NCount[3], "1");
        driver->pressEnter();
        EXPECT_EQ(form.sumPV.text(), "110.00");
        EXPECT_EQ(form.SSum[0]->text(), QString::fromUtf8(c.expected0));
        EXPECT_EQ(form.SSum[1]->text(), "");
    }
}

TEST_F(DenominationGrid, ClearingTheOnlyRowEmptiesTheDocumentSum) {
    TForm1& form = startWith(allGroupsEntry());
    driver->typeOver(*form.NCount[0], "3");
    driver->pressEnter();
    driver->typeOver(*form.NCount[0], "");
    driver->pressBackspace();
    driver->pressEnter();
    EXPECT_EQ(form.NCount[0]->text(), "");
    EXPECT_EQ(form.NSum[0]->text(), "");
    EXPECT_EQ(form.sumPV.text(), "0.00");
    EXPECT_EQ(form.NSum[0]->colour, clLime);
}

TEST_F(DenominationGrid, LeavingForClearOrExitSkipsTheChecks) {
    TForm1& form = startWith(allGroupsEntry());
    driver->typeOver(*form.NCount[2], "abc");
    driver->focus(form.clearBtn);
    EXPECT_TRUE(form.isFocused(form.clearBtn));
    EXPECT_EQ(form.NCount[2]->colour, clLime);
    EXPECT_EQ(form.NNominal[2]->colour, clWindow);
    EXPECT_EQ(warnings(), QStringList{});
}

struct SplitCase {
    const char* name;
    std::map<int, qint64> counts;                // by row
    const char* totals[3];                       // Label15, Label16, Label17
    std::map<std::pair<int, int>, qint64> split; // (group, row) -> pieces; the rest 0
};

void PrintTo(const SplitCase& c, std::ostream* out) {
    *out << c.name;
}

class Breakdown : public GridTest, public testing::WithParamInterface<SplitCase> {};

TEST_P(Breakdown, SplitsThePiecesOverTheGroupsInTurn) {
    const SplitCase& c = GetParam();
    TForm1& form = startWith(allGroupsEntry());
    for (const auto& [row, count] : c.counts) form.NCount[row]->setText(QString::number(count));
    Control* labels[] = {&form.Label15, &form.Label16, &form.Label17};
    for (int g = 0; g < 3; ++g) labels[g]->setText(c.totals[g]);
    form.aNBreakDown[2][14] = 9; // stale

    form.init_aNBreakdown();
    form.init_avRest();
    EXPECT_TRUE(form.PVBreakdown(false));

    for (int g = 0; g < 3; ++g) {
        for (int i = 0; i < TForm1::denominationRows; ++i) {
            const auto expected = c.split.find({g, i});
            EXPECT_EQ(form.aNBreakDown[g][i], expected == c.split.end() ? 0 : expected->second)
                << "group " << g << " row " << i;
        }
    }
    for (int i = 0; i < TForm1::denominationRows; ++i) {
        const auto count = c.counts.find(i);
        EXPECT_EQ(form.avRest[i], count == c.counts.end() ? 0 : count->second) << "restored";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Breakdown,
    testing::Values(
        SplitCase{"RevenueFirstThenBpa",
                  {{0, 1}, {1, 5}},
                  {"5,000.00", "5,000.00", "0.00"},
                  {{{0, 0}, 1}, {{1, 1}, 5}}},
        SplitCase{"UnpayableGroupStaysEmpty", {{0, 1}}, {"3,000.00", "0.00", "0.00"}, {}},
        SplitCase{"NoteBeforeCoin", {{5, 1}, {7, 1}}, {"0.00", "0.00", "10.00"}, {{{2, 5}, 1}}},
        SplitCase{"GreedyOverCoins",
                  {{10, 2}, {11, 3}, {14, 40}},
                  {"3.37", "0.00", "0.00"},
                  {{{0, 10}, 2}, {{0, 11}, 2}, {{0, 14}, 37}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DenominationGrid, BreakdownFlagsTheDocumentSumAgainstTheGroupTotals) {
    TForm1& form = startWith(allGroupsEntry());
    form.NCount[0]->setText("1");
    form.sumPV.setText("5,000.00");
    form.Label15.setText("3,000.00");
    form.Label16.setText("2,000.00");
    form.init_avRest();
    EXPECT_FALSE(form.getNNominalFromSum(0, 300000, true));
    EXPECT_EQ(form.aNBreakDown[0][0], 0);

    form.PVBreakdown(false);
    EXPECT_EQ(form.sumPV.colour, clBtnFace);
    form.Label16.setText("1,000.00");
    form.PVBreakdown(false);
    EXPECT_EQ(form.sumPV.colour, clRed);
    EXPECT_EQ(form.sumPV.hint, "Сумма документа не равна сумме с разбивкой по СКП!");

    try {
        form.PVBreakdown(true);
        ADD_FAILURE() << "an unpayable total is refused for printing";
    } catch (const PVErrInput& error) {
        EXPECT_EQ(error.message(), "Нет допустимого кол-ва номинала для введенной суммы Выручки!");
    }
    EXPECT_EQ(form.avRest[0], 1);
}

} // namespace
