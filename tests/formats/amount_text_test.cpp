#include "app/formats/text_formats.h"
#include "tests/support/input_error_of.h"
#include "tests/support/qt_print.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

constexpr qint64 maxAmount = std::numeric_limits<qint64>::max();
constexpr qint64 minInt64 = std::numeric_limits<qint64>::min();

const QString malformed = "Введите корректное значение суммы в формате \"9,990.00\"!";
const QString tooLarge = "Сумма не может превышать 92,233,720,368,547,758.07!";

struct IntCase {
    const char* text;
    std::optional<qint64> value;
};

TEST(TryInt64Value, AcceptsSignedDecimalWithinRange) {
    const IntCase cases[] = {
        {"9223372036854775807", maxAmount},
        {"9223372036854775808", std::nullopt},
        {"-9223372036854775808", minInt64},
        {"-9223372036854775809", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"00000000000000000000042", 42},
        {"   +42", 42},
        {"-0", 0},
        {"42 ", std::nullopt},
        {"4 2", std::nullopt},
        {"", std::nullopt},
        {"-", std::nullopt},
        {"+-1", std::nullopt},
        {"$10", std::nullopt},
        {"10$", std::nullopt},
        {"0x10", std::nullopt},
        {"1e3", std::nullopt},
        {"1,000", std::nullopt},
        {"\u0661\u0662", std::nullopt}, // Arabic-Indic digits are not digits here
    };
    for (const auto& c : cases)
        EXPECT_EQ(tryInt64Value(QString::fromUtf8(c.text)), c.value) << c.text;
}

TEST(TryIntValue, StopsAtThe32BitRange) {
    const IntCase cases[] = {
        {"2147483647", 2147483647},    {"2147483648", std::nullopt}, {"-2147483648", -2147483648LL},
        {"-2147483649", std::nullopt}, {"4294967296", std::nullopt}, {" 007", 7},
    };
    for (const auto& c : cases) {
        const auto value = tryIntValue(c.text);
        EXPECT_EQ(value ? std::optional<qint64>(*value) : std::nullopt, c.value) << c.text;
    }
}

TEST(DigitsToKop, TakesAtMost19DigitsUpToTheLargestAmount) {
    const IntCase cases[] = {
        {"", 0},
        {"0", 0},
        {"9223372036854775807", maxAmount},
        {"9223372036854775808", std::nullopt},
        {"9999999999999999999", std::nullopt},
        {"0000000000000000001", 1},
        {"00000000000000000001", std::nullopt},
        {"-1", std::nullopt},
        {"+1", std::nullopt},
        {"12a", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(digitsToKop(c.text), c.value) << c.text;
}

struct SumCase {
    const char* text;
    qint64 kopecks;
};

TEST(SumToKop, ReadsRoublesAndKopecks) {
    const SumCase cases[] = {
        {"", 0},
        {" \t\n", 0},
        {"0", 0},
        {"0.00", 0},
        {".", 0},
        {",", 0},
        {".5", 50},
        {"5.", 500},
        {"1,234.5", 123450},
        {"1,2,3.40", 12340},
        {"1.500", 150},
        {"00012.05", 1205},
        {"\t 7.1\r\n", 710},
        {"92233720368547758.07", maxAmount},
        {"92,233,720,368,547,758.07", maxAmount},
        {"0000092233720368547758.07", maxAmount},
    };
    for (const auto& c : cases) EXPECT_EQ(sumToKop(c.text), c.kopecks) << c.text;
}

struct SumErrorCase {
    const char* text;
    const QString& message;
};

TEST(SumToKop, RejectsMalformedAndTooLargeAmounts) {
    const SumErrorCase cases[] = {
        {"1.505", malformed},
        {"1.2.3", malformed},
        {"..", malformed},
        {"-5", malformed},
        {"+5", malformed},
        {"1 000", malformed},
        {"1.5x", malformed},
        {"1.,5", malformed},
        {"1e3", malformed},
        {"$5", malformed},
        {"\u0665", malformed},
        {"92233720368547758.08", tooLarge},
        {"92233720368547759", tooLarge},
        {"9223372036854775807", tooLarge},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(inputErrorOf([&] { sumToKop(QString::fromUtf8(c.text)); }), c.message) << c.text;
    }
}

struct AmountTextCase {
    qint64 value;
    const char* grouped;
    const char* ungrouped;
};

TEST(KopToText, WritesRoublesPointTwoDigitKopecks) {
    const AmountTextCase cases[] = {
        {0, "", ""},
        {1, "0.01", "0.01"},
        {99, "0.99", "0.99"},
        {100, "1.00", "1.00"},
        {123456, "1,234.56", "1234.56"},
        {100000, "1,000.00", "1000.00"},
        {maxAmount, "92,233,720,368,547,758.07", "92233720368547758.07"},
        {-5, "-0.05", "-0.05"},
        {minInt64, "-92,233,720,368,547,758.08", "-92233720368547758.08"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(kopToText(c.value, true), c.grouped) << c.value;
        EXPECT_EQ(kopToText(c.value, false), c.ungrouped) << c.value;
    }
}

TEST(IntToText, GroupsThousandsFromTheRight) {
    const AmountTextCase cases[] = {
        {0, "", ""},
        {7, "7", "7"},
        {999, "999", "999"},
        {1000, "1,000", "1000"},
        {123456, "123,456", "123456"},
        {1234567, "1,234,567", "1234567"},
        {maxAmount, "9,223,372,036,854,775,807", "9223372036854775807"},
        {-1000, "-1,000", "-1000"},
        {minInt64, "-9,223,372,036,854,775,808", "-9223372036854775808"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(intToText(c.value, true), c.grouped) << c.value;
        EXPECT_EQ(intToText(c.value, false), c.ungrouped) << c.value;
    }
}

TEST(SumToKop, ReadsBackWhatKopToTextWrites) {
    for (qint64 amount : {qint64(1), qint64(99), qint64(100), qint64(100001), maxAmount}) {
        EXPECT_EQ(sumToKop(kopToText(amount, true)), amount);
        EXPECT_EQ(sumToKop(kopToText(amount, false)), amount);
    }
}

TEST(CheckedTotal, FailsOnlyBeyondTheLargestAmount) {
    struct Case {
        QList<qint64> amounts;
        std::optional<qint64> total;
    };
    const Case cases[] = {
        {{}, 0},
        {{1, 2, 3}, 6},
        {{maxAmount}, maxAmount},
        {{maxAmount - 1, 1}, maxAmount},
        {{maxAmount, 1}, std::nullopt},
        {{maxAmount / 2 + 1, maxAmount / 2 + 1}, std::nullopt},
        {{maxAmount, maxAmount, -maxAmount}, std::nullopt},
        {{5, -1}, std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(checkedTotal(c.amounts), c.total) << c.amounts.size();
}

} // namespace
