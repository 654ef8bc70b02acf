// The exports that hand out texts: their buffer contract, the code texts and the version.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "lumetra/api/code_page.h"
#include "lumetra/api/lumetra.h"

namespace {

std::string Utf8FromCp1251(const std::string& text) {
    return lumetra::Recode(text, lumetra::kWindows1251, lumetra::kUtf8).value();
}

// The A text of a code, asked for the way callers do: length first, then length + 1 bytes.
std::string TextA(int32_t code) {
    int32_t length = -1;
    EXPECT_EQ(Lumx_GetErrorStringA(code, 0, nullptr, &length), 10);
    std::string buffer(length + 1, '\x7F');
    EXPECT_EQ(Lumx_GetErrorStringA(code, length + 1, buffer.data(), &length), 0);
    EXPECT_EQ(buffer[length], '\0');
    buffer.resize(length);
    return Utf8FromCp1251(buffer);
}

std::string TextW(int32_t code) {
    int32_t length = -1;
    EXPECT_EQ(Lumx_GetErrorStringW(code, 0, nullptr, &length), 10);
    EXPECT_EQ(length % 2, 0);
    std::u16string buffer(length / 2 + 1, u'\x7F');
    EXPECT_EQ(Lumx_GetErrorStringW(code, length + 2, buffer.data(), &length), 0);
    EXPECT_EQ(buffer[length / 2], u'\0');
    buffer.resize(length / 2);
    return lumetra::Recode(lumetra::Utf16Bytes(buffer.c_str()), lumetra::kUtf16, lumetra::kUtf8)
        .value();
}

struct CodeText {
    int32_t code;
    const char* text;
};

void PrintTo(const CodeText& c, std::ostream* out) {
    *out << c.code;
}

class CodeTexts : public testing::TestWithParam<CodeText> {};

TEST_P(CodeTexts, AreTheSameInBothVariants) {
    EXPECT_EQ(TextA(GetParam().code), GetParam().text);
    EXPECT_EQ(TextW(GetParam().code), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    KnownAndUnknown, CodeTexts,
    testing::Values(
        CodeText{0, "Нет ошибок"}, CodeText{10, "Мал буфер для данных"},
        CodeText{12, "Данные не прочитаны сканером"}, CodeText{28, "Слишком много данных"},
        CodeText{35, "Прервано пользователем"}, CodeText{36, "Ошибка Ввода/Вывода"},
        // Gaps and everything past the table get the code in hexadecimal.
        CodeText{33, "Неизвестная ошибка 0x21"}, CodeText{37, "Неизвестная ошибка 0x25"},
        CodeText{1000, "Неизвестная ошибка 0x3E8"}, CodeText{-1, "Неизвестная ошибка 0xFFFFFFFF"},
        CodeText{INT32_MIN, "Неизвестная ошибка 0x80000000"}));

TEST(TextBuffer, WideLengthCountsTwoBytesPerCharacter) {
    int32_t length = 0;
    EXPECT_EQ(Lumx_GetErrorStringW(10, 0, nullptr, &length), 10);
    EXPECT_EQ(length, 40);
    std::vector<char16_t> buffer(21, u'x');
    EXPECT_EQ(Lumx_GetErrorStringW(10, 42, buffer.data(), &length), 0);
    EXPECT_EQ(buffer[20], u'\0');
    // The second name is the same entry point.
    EXPECT_EQ(&Lumx_GetErrorString, &Lumx_GetErrorStringW);
}

TEST(TextBuffer, ExactBufferHoldsTheTextWithoutTerminator) {
    int32_t length = 0;
    ASSERT_EQ(Lumx_GetVersion(0, nullptr, &length), 10);
    std::string buffer(length + 1, '#');
    EXPECT_EQ(Lumx_GetVersion(length, buffer.data(), &length), 0);
    EXPECT_EQ(buffer.back(), '#');
    EXPECT_EQ(buffer.find('\0'), std::string::npos);
}

TEST(TextBuffer, LargerBufferIsZeroFilledToItsEnd) {
    std::string buffer(64, '#');
    int32_t length = 0;
    EXPECT_EQ(Lumx_GetErrorStringA(0, 64, buffer.data(), &length), 0);
    EXPECT_EQ(buffer.substr(length), std::string(64 - length, '\0'));
}

TEST(TextBuffer, SmallOrMissingBufferIsLeftUntouched) {
    for (const int32_t size : {-5, 0, 1, 18}) {
        std::string buffer(32, '#');
        int32_t length = -1;
        EXPECT_EQ(Lumx_GetErrorStringA(10, size, buffer.data(), &length), 10) << size;
        EXPECT_EQ(length, 20);
        EXPECT_EQ(buffer, std::string(32, '#'));
    }
    // A caller that does not want the length may pass null for it.
    char buffer[64];
    EXPECT_EQ(Lumx_GetErrorStringA(0, sizeof buffer, buffer, nullptr), 0);
    EXPECT_EQ(Lumx_GetVersion(sizeof buffer, nullptr, nullptr), 10);
}

TEST(Version, NamesBothRegisteredDocumentTypes) {
    char buffer[256];
    int32_t length = 0;
    ASSERT_EQ(Lumx_GetVersion(sizeof buffer, buffer, &length), 0);
    EXPECT_EQ(Utf8FromCp1251(std::string(buffer, length)),
              "13\tДравена;\r\n0J\tОпись на денежную наличность/ценности");
}

} // namespace
