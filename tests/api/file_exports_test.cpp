// The exports that write image files: what they answer to every kind of input, which file they
// write and which they leave alone.
#include <gtest/gtest.h>

#include <climits>
#include <fstream>
#include <optional>
#include <string>

#include "api_test_support.h"
#include "lumetra/api/code_page.h"
#include "lumetra/api/lumetra.h"
#include "statement_messages.h"

namespace lumetra::test {
namespace {

bool Exists(const std::string& name) {
    return std::filesystem::exists(name);
}

std::u16string Utf16(std::string_view utf8) {
    const std::string bytes = Recode(utf8, kUtf8, kUtf16).value();
    return {reinterpret_cast<const char16_t*>(bytes.data()), bytes.size() / 2};
}

// An inventory message whose one value no set of symbols can hold.
std::string HugeMessage() {
    std::string value(1 << 17, ' ');
    uint32_t state = 1;
    for (char& c : value) c = char('!' + (state = state * 1103515245 + 12345) % 90);
    return "Ostrel0J\r\n41=" + value + "\r\n";
}

struct FileCase {
    const char* label;
    std::optional<std::string> message; // nothing: a null pointer
    std::string outFile;                // relative names land in the scratch folder
    int32_t sizeMode;
    int32_t symbolCount;
    int32_t moduleSize;
    int32_t rotate;
    int32_t expected;
};

void PrintTo(const FileCase& c, std::ostream* out) {
    *out << c.label;
}

class EncodeStr : public testing::TestWithParam<FileCase> {};

TEST_P(EncodeStr, AnswersWithItsCodeAndWritesOnlyOnSuccess) {
    const FileCase& c = GetParam();
    ScratchFolder scratch;
    const std::string outFile = c.outFile.starts_with('/') ? c.outFile : scratch.File(c.outFile);
    const int32_t result =
        Lumx_EnCode_StrA(c.message ? c.message->c_str() : nullptr, outFile.c_str(), c.sizeMode,
                         c.symbolCount, c.moduleSize, c.rotate);
    EXPECT_EQ(result, c.expected);
    EXPECT_EQ(Exists(outFile), c.expected == 0);
    EXPECT_EQ(scratch.Count(), c.expected == 0 ? 1u : 0u) << "nothing else is left behind";
}

const std::string kStatement = ExampleStatement();

INSTANTIATE_TEST_SUITE_P(
    Inputs, EncodeStr,
    testing::Values(
        FileCase{"statement", kStatement, "s.bmp", 0, 1, 1, 0, 0},
        FileCase{"header line only", "Ostrel13", "s.gif", 0, 1, 2, 0, 0},
        FileCase{"null message", std::nullopt, "s.bmp", 0, 1, 1, 0, 27},
        FileCase{"empty message", "", "s.bmp", 0, 1, 1, 0, 27},
        FileCase{"no line at all", "\n", "s.bmp", 0, 1, 1, 0, 13},
        FileCase{"unregistered type", "Quillon99\r\nA=1\r\n", "s.bmp", 0, 1, 1, 0, 15},
        FileCase{"no header word", "Hello", "s.bmp", 0, 1, 1, 0, 15},
        FileCase{"more than any symbol holds", HugeMessage(), "s.bmp", 0, 26, 1, 0, 28},
        FileCase{"size mode 100", kStatement, "s.bmp", 100, 1, 1, 0, 28},
        FileCase{"size mode 233", kStatement, "s.bmp", 233, 1, 1, 0, 28},
        FileCase{"size mode 301", kStatement, "s.bmp", 301, 1, 1, 0, 28},
        FileCase{"largest size mode", kStatement, "s.bmp", INT32_MAX, 1, 1, 0, 28},
        FileCase{"compact symbol too small", kStatement, "s.bmp", 101, 1, 1, 0, 28},
        FileCase{"symbol count 0", kStatement, "s.tif", 0, 0, 1, 0, 0},
        FileCase{"negative symbol count", kStatement, "s.tif", 0, -7, 1, 0, 0},
        FileCase{"symbol count beyond 26", kStatement, "s.tif", 0, 1000, 1, 0, 0},
        FileCase{"any rotation", kStatement, "s.tif", 0, 1, 1, INT32_MIN, 0},
        FileCase{"GIF of module size 0", kStatement, "s.gif", 0, 1, 0, 0, 25},
        FileCase{"negative module size", kStatement, "s.gif", 0, 1, -3, 0, 25},
        FileCase{"image beyond the size limits", kStatement, "s.tif", 0, 1, 100000, 0, 25},
        FileCase{"vector EMF", kStatement, "s.emf", 0, 1, 0, 0, 0},
        FileCase{"unknown extension", kStatement, "s.png", 0, 1, 1, 0, 25},
        FileCase{"no extension", kStatement, "symbol", 0, 1, 1, 0, 25},
        FileCase{"missing folder", kStatement, "missing/s.bmp", 0, 1, 1, 0, 36},
        FileCase{"folder that is a file", kStatement, "/etc/hostname/s.bmp", 0, 1, 1, 0, 36},
        FileCase{"folder that takes no files", kStatement, "/proc/s.bmp", 0, 1, 1, 0, 36}));

TEST(EncodeStrNames, NullOrDirectoryOutputIsAnInputOutputError) {
    ScratchFolder scratch;
    EXPECT_EQ(Lumx_EnCode_StrA(kStatement.c_str(), nullptr, 0, 1, 1, 0), 36);
    EXPECT_EQ(Lumx_EnCode_StrW(kStatement.c_str(), nullptr, 0, 1, 1, 0), 36);
    EXPECT_EQ(Lumx_EnCode_StrA(kStatement.c_str(), "", 0, 1, 1, 0), 36);
    std::filesystem::create_directory(scratch.File("folder.bmp"));
    EXPECT_EQ(Lumx_EnCode_StrA(kStatement.c_str(), scratch.File("folder.bmp").c_str(), 0, 1, 1, 0),
              36);
}

// The extension picks the format whatever its case; the file starts as that format does.
TEST(EncodeStrNames, ExtensionPicksTheWriter) {
    const struct {
        const char* name;
        std::string signature;
        size_t at;
    } cases[] = {
        {"a.Tif", std::string("II*\0", 4), 0},
        {"a.TIFF", std::string("II*\0", 4), 0},
        {"a.gif", "GIF87a", 0},
        {"a.bMp", "BM", 0},
        {"a.emf", " EMF", 40},
        {"a.WMF", "\xD7\xCD\xC6\x9A", 0},
    };
    ScratchFolder scratch;
    for (const auto& c : cases) {
        ASSERT_EQ(Lumx_EnCode_StrA(kStatement.c_str(), scratch.File(c.name).c_str(), 0, 1, 2, 0), 0)
            << c.name;
        EXPECT_EQ(FileContent(scratch.File(c.name)).substr(c.at, c.signature.size()), c.signature)
            << c.name;
    }
}

TEST(EncodeStrNames, WideAndWindows1251NamesReachTheFileSystemAsUtf8) {
    ScratchFolder scratch;
    const std::string folder = scratch.File("");
    const std::u16string wide = Utf16(folder + "символ.gif");
    EXPECT_EQ(Lumx_EnCode_StrW(kStatement.c_str(), wide.c_str(), 0, 1, 1, 0), 0);
    EXPECT_TRUE(Exists(folder + "символ.gif"));
    EXPECT_EQ(Lumx_EnCode_Str(kStatement.c_str(), wide.c_str(), 0, 1, 1, 0), 0);

    const std::string ansi = folder + Recode("код.bmp", kUtf8, kWindows1251).value();
    EXPECT_EQ(Lumx_EnCode_StrA(kStatement.c_str(), ansi.c_str(), 0, 1, 1, 0), 0);
    EXPECT_TRUE(Exists(folder + "код.bmp"));
}

TEST(EncodeStrNames, FailureLeavesAnExistingFileAsItWas) {
    ScratchFolder scratch;
    const std::string file = scratch.File("s.bmp");
    std::ofstream(file) << "old";
    EXPECT_EQ(Lumx_EnCode_StrA("Ostrel99", file.c_str(), 0, 1, 1, 0), 15);
    EXPECT_EQ(Lumx_EnCode_StrA(kStatement.c_str(), file.c_str(), 100, 1, 1, 0), 28);
    EXPECT_EQ(FileContent(file), "old");
    EXPECT_EQ(Lumx_EnCode_StrA(kStatement.c_str(), file.c_str(), 0, 1, 1, 0), 0);
    EXPECT_EQ(FileContent(file).substr(0, 2), "BM");
}

TEST(EncodeFile, TakesTheWholeFileAsTheMessage) {
    ScratchFolder scratch;
    std::ofstream(scratch.File("message.txt"), std::ios::binary) << kStatement;
    std::ofstream(scratch.File("empty.txt"));
    std::filesystem::create_directory(scratch.File("folder"));
    const std::u16string out = Utf16(scratch.File("s.tif"));
    const auto in = [&](const char* name) { return Utf16(scratch.File(name)); };

    EXPECT_EQ(Lumx_EnCode_FileW(in("message.txt").c_str(), out.c_str(), 0, 1, 1, 0), 0);
    EXPECT_TRUE(Exists(scratch.File("s.tif")));
    EXPECT_EQ(Lumx_EnCode_File(in("message.txt").c_str(), out.c_str(), 0, 1, 1, 0), 0);
    EXPECT_EQ(Lumx_EnCode_FileA(scratch.File("message.txt").c_str(), scratch.File("a.gif").c_str(),
                                0, 1, 1, 0),
              0);

    for (const char* bad : {"missing.txt", "empty.txt", "folder"})
        EXPECT_EQ(Lumx_EnCode_FileW(in(bad).c_str(), out.c_str(), 0, 1, 1, 0), 36) << bad;
    EXPECT_EQ(Lumx_EnCode_FileW(nullptr, out.c_str(), 0, 1, 1, 0), 36);
    EXPECT_EQ(Lumx_EnCode_FileA(nullptr, nullptr, 0, 1, 1, 0), 36);
    // The output is checked first: a bad output name is reported without reading anything.
    EXPECT_EQ(Lumx_EnCode_FileW(in("message.txt").c_str(), in("missing/s.bmp").c_str(), 0, 1, 1, 0),
              36);
}

} // namespace
} // namespace lumetra::test
