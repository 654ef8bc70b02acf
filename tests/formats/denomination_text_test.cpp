#include "app/formats/text_formats.h"
#include "tests/support/input_error_of.h"
#include "tests/support/qt_print.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

const QString countTooLarge = "Количество не может превышать 9,223,372,036,854,775,807!";
const QString countMalformed = "Введите корректное значение количества в формате \"9,990\"!";
const QString sumTooLarge = "Сумма не может превышать 92,233,720,368,547,758.07!";
const QString sumMalformed = "Введите корректное значение суммы в формате \"9,990.00\"!";
const QString notMultiple = "Введите сумму кратную номиналу!";
const QString previousSum = "7,777.00";

struct RowCase {
    const char* typed;
    qint64 nominal;
    const char* count;
    const char* sum;
};

TEST(CountToSum, WritesCountAndSumOfTheRow) {
    const RowCase cases[] = {
        {"3", 500000, "3", "15,000.00"},
        {" 1,000\t", 500000, "1,000", "5,000,000.00"},
        {"+3", 500000, "3", "15,000.00"},
        {"18,446,744,073,709", 500000, "18,446,744,073,709", "92,233,720,368,545,000.00"},
        {"9223372036854775807", 1, "9,223,372,036,854,775,807", "92,233,720,368,547,758.07"},
        // A blank or zero count stays as typed, and the row's sum goes with it.
        {"0", 500000, "0", ""},
        {"000", 500000, "000", ""},
        {"", 500000, "", ""},
        {" , ", 500000, " , ", ""},
    };
    for (const auto& c : cases) {
        QString count = c.typed;
        QString sum = previousSum;
        countToSum(count, sum, c.nominal);
        EXPECT_EQ(count, c.count) << c.typed;
        EXPECT_EQ(sum, c.sum) << c.typed;
    }
}

struct RowErrorCase {
    const char* typed;
    qint64 nominal;
    const QString& message;
};

TEST(CountToSum, RaisesAndKeepsBothTexts) {
    const RowErrorCase cases[] = {
        {"-1", 500000, countMalformed},
        {"-9223372036854775808", 500000, countMalformed},
        {"abc", 500000, countTooLarge},
        {"1.5", 500000, countTooLarge},
        {"9223372036854775808", 1, countTooLarge},
        {"18446744073710", 500000, sumTooLarge},
        {"4611686018427387904", 2, sumTooLarge},
    };
    for (const auto& c : cases) {
        QString count = c.typed;
        QString sum = previousSum;
        EXPECT_EQ(inputErrorOf([&] { countToSum(count, sum, c.nominal); }), c.message) << c.typed;
        EXPECT_EQ(count, c.typed);
        EXPECT_EQ(sum, previousSum);
    }
}

TEST(SumToCount, WritesCountAndSumOfTheRow) {
    const RowCase cases[] = {
        {"1.50", 50, "3", "1.50"},
        {"5000", 500000, "1", "5,000.00"},
        {" 10,000.0 ", 500000, "2", "10,000.00"},
        {"92233720368547758.07", 1, "9,223,372,036,854,775,807", "92,233,720,368,547,758.07"},
        {"0", 50, "", ""},
        {"", 50, "", ""},
    };
    for (const auto& c : cases) {
        QString count = "old";
        QString sum = c.typed;
        sumToCount(count, sum, c.nominal);
        EXPECT_EQ(count, c.count) << c.typed;
        EXPECT_EQ(sum, c.sum) << c.typed;
    }
}

TEST(SumToCount, RaisesAndKeepsBothTexts) {
    const RowErrorCase cases[] = {
        {"1.45", 50, notMultiple},
        {"1000", 500000, notMultiple},
        {"1-", 50, sumMalformed},
        {"92233720368547758.08", 1, sumTooLarge},
    };
    for (const auto& c : cases) {
        QString count = "old";
        QString sum = c.typed;
        EXPECT_EQ(inputErrorOf([&] { sumToCount(count, sum, c.nominal); }), c.message) << c.typed;
        EXPECT_EQ(count, "old");
        EXPECT_EQ(sum, c.typed);
    }
}

TEST(DenominationRow, RefusesANominalThatIsNotPositive) {
    QString count = "3";
    QString sum = "1.00";
    EXPECT_THROW(countToSum(count, sum, 0), std::invalid_argument);
    EXPECT_THROW(sumToCount(count, sum, -100), std::invalid_argument);
    EXPECT_EQ(count, "3");
    EXPECT_EQ(sum, "1.00");
}

TEST(NominalText, NamesRoublesOrKopecks) {
    const std::pair<qint64, const char*> cases[] = {
        {500000, "5,000 руб."}, {1000, "10 руб."}, {100, "1 руб."},
        {50, "0.50 коп."},      {10, "0.10 коп."}, {1, "0.01 коп."},
    };
    for (const auto& [nominal, text] : cases) EXPECT_EQ(nominalText(nominal), text) << nominal;
    EXPECT_EQ(nominalUnit(true), "шт.");
    EXPECT_EQ(nominalUnit(false), "л.");
}

} // namespace
