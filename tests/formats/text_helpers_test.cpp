#include "app/formats/text_formats.h"
#include "tests/support/input_error_of.h"
#include "tests/support/qt_print.h"

#include <gtest/gtest.h>

namespace {

TEST(CheckSkpText, PadsCodesToTwoDigits) {
    const std::pair<const char*, const char*> cases[] = {
        {"", ""},       {"  ", ""},     {" 5 ", "05"}, {"05", "05"}, {"17", "17"},
        {"100", "100"}, {"999", "999"}, {"0", ""},     {"000", ""},  {"+7", "07"},
    };
    for (const auto& [typed, expected] : cases) {
        QString code = typed;
        checkSkpText(code);
        EXPECT_EQ(code, expected) << typed;
    }
}

TEST(CheckSkpText, RejectsCodesOutsideOneTo999AndKeepsTheText) {
    for (const char* typed : {"1000", "-1", "$10", "1a", "5.0", "9999999999", "0x10"}) {
        QString code = typed;
        EXPECT_EQ(inputErrorOf([&] { checkSkpText(code); }),
                  "Введите корректное значение СКП формате \"900\"!")
            << typed;
        EXPECT_EQ(code, typed);
    }
}

TEST(ShortFIO, KeepsSurnameAndInitials) {
    const std::pair<const char*, const char*> cases[] = {
        {"", ""},
        {" . ", ""},
        {"  Петров  ", "Петров"},
        {"Иванов Иван Иванович", "Иванов И. И."},
        {"Иванов И.И.", "Иванов И. И."},
        {"Петров.П.П.", "Петров П. П."},
        {"Иванов Иван", "Иванов И. "},
        {"Иванов   Иван    Иванович  Лишний", "Иванов И. И."},
        {"Иванов.", "Иванов"},
        {"Иванов И.", "Иванов И. "},
    };
    for (const auto& [name, expected] : cases)
        EXPECT_EQ(shortFIO(QString::fromUtf8(name)), QString::fromUtf8(expected)) << name;
}

TEST(TextHelpers, DigitClassesAreAsciiOnly) {
    EXPECT_TRUE(isDigits(""));
    EXPECT_TRUE(isDigits("0123456789"));
    EXPECT_FALSE(isDigits("12 3"));
    EXPECT_FALSE(isDigits("\u0661"));
    EXPECT_TRUE(hasNoDigits(""));
    EXPECT_TRUE(hasNoDigits("Выручка \u0661"));
    EXPECT_FALSE(hasNoDigits("СКП 5"));
}

TEST(TextHelpers, TextAfterTheFirstSeparator) {
    EXPECT_EQ(textAfter("02: Выручка: наличные", ':'), " Выручка: наличные");
    EXPECT_EQ(textAfter("без разделителя", ':'), "без разделителя");
    EXPECT_EQ(textAfter("в конце:", ':'), "");
}

} // namespace
