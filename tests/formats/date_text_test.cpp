#include "app/formats/text_formats.h"
#include "tests/support/input_error_of.h"
#include "tests/support/qt_print.h"

#include <gtest/gtest.h>

namespace {

const QString invalidDate = "Введите корректное значение даты формате \"ДД.ММ.ГГГГ\"!";

TEST(CheckDate, WritesEveryAcceptedFormAsDayMonthYear) {
    const std::pair<const char*, const char*> cases[] = {
        {"", ""},
        {"01.02.2015", "01.02.2015"},
        {"1.2.15", "01.02.2015"},
        {"1.2.015", "01.02.2015"},
        {"01.2.2015", "01.02.2015"},
        {"010215", "01.02.2015"},
        {"01022015", "01.02.2015"},
        {"29.02.2016", "29.02.2016"},
        {"29.02.2000", "29.02.2000"},
        {"290200", "29.02.2000"},
        {"31.12.9999", "31.12.9999"},
        {"1.1.0001", "01.01.0001"},
        {"31.1.24", "31.01.2024"},
    };
    for (const auto& [typed, expected] : cases) {
        QString date = typed;
        checkDate(date);
        EXPECT_EQ(date, expected) << typed;
    }
}

TEST(CheckDate, RejectsInvalidDatesAndKeepsTheText) {
    const char* const cases[] = {
        "29.02.2015", "29.02.1900", "290201",      "31.04.2015", "00.01.2015",
        "01.00.2015", "01.13.2015", "32.01.2015",  "1.2.5",      "1.2.20155",
        "1.2.3.4",    "1.2",        "1..2015",     ".1.2015",    "001.1.2015",
        "01.01.0000", "0101",       "1012015",     "010120155",  "aa0215",
        "1a.02.2015", "01.02.20-5", " 01.02.2015", "+1.2.2015",  "\u0661.2.2015",
    };
    for (const char* typed : cases) {
        QString date = QString::fromUtf8(typed);
        EXPECT_EQ(inputErrorOf([&] { checkDate(date); }), invalidDate) << typed;
        EXPECT_EQ(date, QString::fromUtf8(typed));
    }
}

} // namespace
