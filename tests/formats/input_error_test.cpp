#include "app/formats/input_error.h"
#include "tests/support/qt_print.h"

#include <gtest/gtest.h>

namespace {

TEST(PVErrInput, CarriesAFixedMessage) {
    const PVErrInput error("Введите сумму кратную номиналу!");
    EXPECT_EQ(error.message(), "Введите сумму кратную номиналу!");
    EXPECT_STREQ(error.what(), "Введите сумму кратную номиналу!");
}

TEST(PVErrInput, FillsPlaceholdersInOrder) {
    struct Case {
        const char* format;
        std::initializer_list<QString> args;
        const char* message;
    };
    const Case cases[] = {
        {"СКП %s не найден в группе %s!", {"05", "БПА"}, "СКП 05 не найден в группе БПА!"},
        {"%s%s", {"a", "b"}, "ab"},
        {"нет места", {"лишний"}, "нет места"},
        {"%s и %s", {"один"}, "один и %s"},
        // An argument is inserted as it stands, never searched for placeholders itself.
        {"%s, %s", {"%s", "x"}, "%s, x"},
        {"100% %d %s", {"x"}, "100% %d x"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PVErrInput(QString::fromUtf8(c.format), c.args).message(),
                  QString::fromUtf8(c.message))
            << c.format;
}

} // namespace
