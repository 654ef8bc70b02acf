#include "app/bag_control/bag_admission.h"
#include "app/bag_control/bag_entry.h"
#include "app/bag_control/bag_series.h"
#include "tests/support/qt_print.h"

#include <gtest/gtest.h>

namespace {

const QChar sep = bagListSeparator;

QString line(const QString& key, const QStringList& columns) {
    return key + u'=' + columns.join(sep);
}

TEST(DigitRuns, AreMaximalDigitSequencesFromTheLeft) {
    EXPECT_EQ(digitRuns("АБ00125"), QList<DigitRun>({{3, 7}}));
    EXPECT_EQ(digitRuns("1A22-333"), QList<DigitRun>({{1, 1}, {3, 4}, {6, 8}}));
    EXPECT_TRUE(digitRuns("ABC").isEmpty());
    EXPECT_TRUE(digitRuns("").isEmpty());
}

TEST(BagEntryText, SplitsAndJoinsTheFourColumns) {
    const BagEntry entry = splitBagValue(QStringList{"АБ001", "АБ010", "3", "10"}.join(sep));
    EXPECT_EQ(entry, (BagEntry{"АБ001", "АБ010", "3", "10"}));
    EXPECT_EQ(joinBagValue(entry), QStringList({"АБ001", "АБ010", "3", "10"}).join(sep));
    EXPECT_EQ(joinBagValue({"ABC", "", "", ""}), QStringList({"ABC", "", "", "1"}).join(sep))
        << "an empty count is stored as 1";
}

TEST(BagEntryText, OddValuesLeaveMissingColumnsEmpty) {
    EXPECT_EQ(splitBagValue(""), (BagEntry{}));
    EXPECT_EQ(splitBagValue("Z001"), (BagEntry{"Z001", "", "", ""}));
    EXPECT_EQ(splitBagValue(QString("A") + sep + "5"), (BagEntry{"A", "", "", "5"}));
    EXPECT_EQ(splitBagValue(QStringList({"A1", "A9", "2", "x", "9"}).join(sep)),
              (BagEntry{"A1", "A9", "2", "9"}));
}

struct AdmissionCase {
    const char* bag;
    bool admitted;
};

class BagAdmission : public testing::TestWithParam<AdmissionCase> {
protected:
    const QStringList list{
        line("№", {"Начальный шифр", "Последний шифр", "Позиция инкремента", "Кол-во сумок"}),
        line("1", {"АБ00001", "АБ00500", "3", "500"}),
        line("2", {"ABC", "", "", "1"}),
        line("3", {"X7", "X7", "2", "1"}),
        line("4", {"A1B0010", "A1B0109", "4", "100"}),
        // Lines as earlier installations may have left them.
        "5=",
        "6=Z001",
        line("7", {"Q01", "Q09", "2", "xyz"}),
        line("8", {"123456789012345678901234", "123456789012345678909999", "21", "4"}),
        line("9", {"00000000000000000001", "99999999999999999999", "1", "77"}),
        line("10", {"K050", "", "2", "3"}),
    };
};

TEST_P(BagAdmission, FollowsTheListsSeries) {
    EXPECT_EQ(isBagAdmitted(list, QString::fromUtf8(GetParam().bag)), GetParam().admitted);
}

INSTANTIATE_TEST_SUITE_P(
    Bags, BagAdmission,
    testing::Values(AdmissionCase{"АБ00250", true}, AdmissionCase{"АБ00001", true},
                    AdmissionCase{"АБ00500", true}, AdmissionCase{"АБ00501", false},
                    AdmissionCase{"АБ00000", false}, AdmissionCase{"АБ0250", false},
                    AdmissionCase{"АБ000250", false}, AdmissionCase{"АВ00250", false},
                    AdmissionCase{"АБ00250Z", false}, AdmissionCase{"ABC", true},
                    AdmissionCase{"ABD", false}, AdmissionCase{"X7", true},
                    AdmissionCase{"X8", false}, AdmissionCase{"A1B0050", true},
                    AdmissionCase{"A2B0050", false}, AdmissionCase{"A1B0110", false},
                    AdmissionCase{"Q05", true}, AdmissionCase{"Z001", false},
                    AdmissionCase{"50000000000000000000", true},
                    AdmissionCase{"00000000000000000000", false}, AdmissionCase{"K051", false},
                    AdmissionCase{"", false}, AdmissionCase{"Начальный шифр", false}));

TEST(BagAdmissionList, HeadingLineAloneAdmitsNothing) {
    const QStringList headingOnly{
        line("№", {"Начальный шифр", "Последний шифр", "Позиция инкремента", "Кол-во сумок"})};
    EXPECT_FALSE(isBagAdmitted(headingOnly, "АБ00001"));
    EXPECT_FALSE(isBagAdmitted({}, "АБ00001"));
}

TEST(SeriesFit, TellsInsideFromExceedingAndOtherSeries) {
    const BagEntry entry{"АБ00001", "АБ00500", "3", "500"};
    const DigitRun run{3, 7};
    EXPECT_EQ(fitInEntry(entry, {"АБ00100", run, "00100", "00200"}), SeriesFit::Inside);
    EXPECT_EQ(fitInEntry(entry, {"АБ00400", run, "00400", "00700"}), SeriesFit::Exceeds);
    EXPECT_EQ(fitInEntry(entry, {"АБ00400", {4, 7}, "0400", "0700"}), SeriesFit::OtherSeries);
    EXPECT_EQ(fitInEntry(entry, {"АВ00400", run, "00400", "00400"}), SeriesFit::OtherSeries);
}

} // namespace
