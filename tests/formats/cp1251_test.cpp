#include "app/formats/cp1251.h"
#include "tests/support/qt_print.h"

#include <gtest/gtest.h>

#include <iconv.h>

namespace {

// glibc's converter is the independent reference for the table.
std::optional<QString> referenceDecode(char byte) {
    iconv_t cd = iconv_open("UTF-8", "CP1251");
    if (cd == iconv_t(-1)) return std::nullopt;
    char in[1] = {byte};
    char out[8] = {};
    char* inPtr = in;
    char* outPtr = out;
    size_t inLeft = 1;
    size_t outLeft = sizeof out;
    const bool ok = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != size_t(-1);
    iconv_close(cd);
    if (!ok) return std::nullopt;
    return QString::fromUtf8(out, outPtr - out);
}

TEST(Cp1251, EveryByteAgreesWithTheSystemConverterAndRoundTrips) {
    ASSERT_NE(referenceDecode('A'), std::nullopt) << "glibc has no CP1251 converter";
    for (int code = 0; code < 256; ++code) {
        const QByteArray byte(1, char(code));
        const auto reference = referenceDecode(char(code));
        if (!reference) {
            EXPECT_EQ(code, 0x98) << "only 0x98 is undefined";
            EXPECT_EQ(fromCp1251(byte), QString(QChar(0xFFFD)));
            continue;
        }
        EXPECT_EQ(fromCp1251(byte), *reference) << std::hex << code;
        bool allMapped = false;
        EXPECT_EQ(toCp1251(*reference, &allMapped), byte) << std::hex << code;
        EXPECT_TRUE(allMapped);
    }
}

TEST(Cp1251, KnownCharacters) {
    EXPECT_EQ(toCp1251("µ"), QByteArray("\xB5"));
    EXPECT_EQ(toCp1251("Ёё№"), QByteArray("\xA8\xB8\xB9"));
    EXPECT_EQ(toCp1251("Сумма=1.00\r\n"), QByteArray("\xD1\xF3\xEC\xEC\xE0=1.00\r\n"));
    EXPECT_EQ(fromCp1251(QByteArray("\xC0\xFF\x00z", 4)), QString("Ая") + QChar(0) + "z");
}

TEST(Cp1251, ReportsCharactersWithoutACode) {
    bool allMapped = true;
    EXPECT_EQ(toCp1251("a\u00E9b\U0001F600c\uFFFD", &allMapped), QByteArray("a?b?c?"));
    EXPECT_FALSE(allMapped);
    EXPECT_EQ(toCp1251("ok", &allMapped), QByteArray("ok"));
    EXPECT_TRUE(allMapped);
    EXPECT_EQ(toCp1251(QString(QChar(0xD800))), QByteArray("?")); // lone surrogate
}

} // namespace
