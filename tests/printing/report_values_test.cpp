#include "app/printing/report_values.h"
#include "tests/printing/statement_fixture.h"
#include "tests/support/qt_print.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* name;
    RecordPositions records;
    const char* expected;
};

void expectValues(const ReportStatement& statement, std::initializer_list<Case> cases) {
    const ReportValues values(statement);
    for (const Case& c : cases)
        EXPECT_EQ(values.frxReportGetValue(c.name, c.records), QString(c.expected))
            << c.name << " " << c.records.value("DNSum") << "/" << c.records.value("DSSum");
}

RecordPositions symbolRecord(int r) {
    return {{"DSSum", r}};
}
RecordPositions denominationRecord(int i) {
    return {{"DNSum", i}};
}

} // namespace

TEST(ReportValues, AccountModeFieldsAndTransforms) {
    expectValues(filledStatement(), {
                                        {"sumPv", {}, "1,500-00(RUB)"},
                                        {"sumV", {}, "1,200-00(RUB)"},
                                        {"sumBPA", {}, "300-00(RUB)"},
                                        {"sumPA", {}, ""},
                                        {"FNBag", {}, "б/н"},
                                        {"NVedName", {}, "045712"},
                                        {"FPlomba", {}, "555"},
                                        {"AccCus", {}, "40702810000000000002"},
                                        {"AccCusBPA", {}, "40702810000000000003"},
                                        {"AccCusPA", {}, ""},
                                        {"bankName", {}, "Банк вносителя"},
                                        {"BIC", {}, "044525000"},
                                        {"BICCus", {}, "044525001"},
                                        {"sFFIO", {}, "Иванов И. И."},
                                        {"sumPvStr", {}, " Одна тысяча пятьсот рублей 00 копеек"},
                                        {"sumVStr", {}, " Одна тысяча пятьсот рублей 00 копеек"},
                                        {"sumBPAStr", {}, " Триста рублей 00 копеек"},
                                        {"sumPAStr", {}, ""},
                                        {"sourceInput", {}, " 02-1,200.00; 16-300.00;"},
                                        {"sourceInput1", {}, " Выручка-1,200-00,  Платежи-300-00"},
                                        {"sourceInput2", {}, " Платежи-300-00"},
                                        {"sourceInput3", {}, ""},
                                    });
}

TEST(ReportValues, NamesIgnoreCaseAndUnknownNamesAreEmpty) {
    expectValues(filledStatement(), {
                                        {"SUMPV", {}, "1,500-00(RUB)"},
                                        {"PinName", {}, "Пункт инкассации"},
                                        {"bic", {}, "044525000"},
                                        {"Foo", {}, ""},
                                        {"", {}, ""},
                                        {"sumPv ", {}, ""},
                                    });
}

TEST(ReportValues, SingleSymbolModeShowsTheDocumentSumAsTyped) {
    ReportStatement s = filledStatement();
    s.singleSymbolMode = true;
    s.Label15 = "0.00";
    expectValues(s, {
                        {"sumV", {}, "1,500.00"},
                        {"sourceInput1", {}, " 02-1,200.00; 16-300.00;"},
                        {"NSum0", denominationRecord(3), "1,500.00"},
                        {"NSum", denominationRecord(3), "1,500-00"},
                    });
}

TEST(ReportValues, EmptyBagAndNumberAndZeroTotals) {
    ReportStatement s = filledStatement();
    s.FNBag = "12345";
    s.NVedPrefix.clear();
    s.NVedName.clear();
    s.Label15 = "0.00";
    s.sumPV = "0.00";
    expectValues(s, {
                        {"FNBag", {}, "12345"},
                        {"NVedName", {}, "б/н"},
                        {"sumV", {}, ""},
                        {"sumPv", {}, "0-00(RUB)"},
                        {"sumPvStr", {}, ""},
                    });
}

TEST(ReportValues, UnreadableAmountsPrintNoWordsAndNoAccount) {
    ReportStatement s = filledStatement();
    s.sumPV = "12,34x";
    s.SumV = "abc";
    s.Label16 = "?";
    expectValues(s, {
                        {"sumPvStr", {}, ""},
                        {"AccCus", {}, ""},
                        {"sumBPA", {}, "?(RUB)"},
                        {"sumBPAStr", {}, ""},
                    });
}

TEST(ReportValues, SymbolRowsAreNumberedOverTheFilledRows) {
    expectValues(filledStatement(), {
                                        {"SSkp", symbolRecord(0), "02"},
                                        {"ZSkp", symbolRecord(0), ""},
                                        {"SSum", symbolRecord(0), "1,200-00"},
                                        {"SSkp", symbolRecord(1), "16"},
                                        {"ZSkp", symbolRecord(1), "5"},
                                        {"SSum", symbolRecord(1), "300-00"},
                                        {"SSkp", symbolRecord(2), ""},
                                        {"SSum", symbolRecord(8), ""},
                                        {"SSkp1", symbolRecord(0), "16"},
                                        {"ZSkp1", symbolRecord(0), "5"},
                                        {"SSum1", symbolRecord(0), "300-00"},
                                        {"SSkp1", symbolRecord(1), ""},
                                        {"SSkp2", symbolRecord(0), ""},
                                        {"SSkp", symbolRecord(-1), ""},
                                    });
}

TEST(ReportValues, SymbolAmountWithoutSymbolShiftsOnlyTheAmountList) {
    ReportStatement s = filledStatement();
    s.symbols[1] = {"", "", "50.00"};
    expectValues(s, {
                        {"SSkp", symbolRecord(1), "16"},
                        {"SSum", symbolRecord(1), "50-00"},
                        {"SSum", symbolRecord(2), "300-00"},
                    });
}

TEST(ReportValues, DenominationRecords) {
    expectValues(filledStatement(), {
                                        {"NNominal", denominationRecord(0), "5,000 (RUB)"},
                                        {"NNominal", denominationRecord(7), "10 (RUB)"},
                                        {"NNominal", denominationRecord(11), "0.50 (RUB)"},
                                        {"NNominal", denominationRecord(14), "0.01 (RUB)"},
                                        {"NType", denominationRecord(3), "л."},
                                        {"NType", denominationRecord(14), "шт."},
                                        {"NCount", denominationRecord(3), "15"},
                                        {"NCount", denominationRecord(4), ""},
                                        {"NSum0", denominationRecord(3), "1,500-00"},
                                        {"NCount1", denominationRecord(3), "3"},
                                        {"NCount1", denominationRecord(4), ""},
                                        {"NSum1", denominationRecord(3), "300-00"},
                                        {"NSum1", denominationRecord(4), ""},
                                        {"NCount2", denominationRecord(3), ""},
                                        {"NSum2", denominationRecord(3), ""},
                                        {"NNominal", denominationRecord(15), ""},
                                        {"NCount1", denominationRecord(-1), ""},
                                    });
}

TEST(ReportValues, GroupCountsAreWrittenWithoutGrouping) {
    ReportStatement s = filledStatement();
    s.aNBreakDown[2][0] = 1234;
    s.aNBreakDown[2][14] = qint64(1) << 62;
    expectValues(s, {
                        {"NCount2", denominationRecord(0), "1234"},
                        {"NSum2", denominationRecord(0), "6,170,000-00"},
                        {"NSum2", denominationRecord(14), "46,116,860,184,273,879-04"},
                    });
    s.aNBreakDown[2][0] = qint64(1) << 62; // times 5,000 roubles does not fit
    expectValues(s, {{"NSum2", denominationRecord(0), ""}});
}
