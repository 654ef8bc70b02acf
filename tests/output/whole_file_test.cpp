#include "lumetra/output/unique_name.h"
#include "lumetra/output/whole_file.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <regex>
#include <stdexcept>
#include <sys/stat.h>

namespace lumetra {
namespace {

using test::ReadBytes;
using test::ScratchDir;

TDataStream StreamOf(std::string_view text) {
    TDataStream stream;
    stream.Write(text);
    return stream;
}

void WriteText(const std::string& path, const std::string& text) {
    std::ofstream(path) << text;
}

std::vector<std::uint8_t> BytesOf(std::string_view text) {
    return {text.begin(), text.end()};
}

TEST(WriteWholeFile, ReplacesTheFileKeepsItsPermissionsAndLeavesNothingBeside) {
    ScratchDir dir;
    const std::string target = dir.File("code.tif");
    WriteText(target, "old content, longer than the new one");
    ASSERT_EQ(chmod(target.c_str(), 0640), 0);

    EXPECT_EQ(WriteWholeFile(target, StreamOf("new")), 3u);
    EXPECT_EQ(ReadBytes(target), BytesOf("new"));
    struct stat info;
    ASSERT_EQ(stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"code.tif"});
}

TEST(WriteWholeFile, RelativeNameLandsInTheWorkingFolder) {
    ScratchDir dir;
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    const std::size_t written = WriteWholeFile("plain.bmp", StreamOf("data"));
    std::filesystem::current_path(previous);
    EXPECT_EQ(written, 4u);
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"plain.bmp"});
}

struct FailureCase {
    const char* name;
    std::string target; // relative to the scratch folder
    std::string_view data;
};

void PrintTo(const FailureCase& c, std::ostream* os) {
    *os << c.name;
}

class WriteWholeFileFailures : public testing::TestWithParam<FailureCase> {};

TEST_P(WriteWholeFileFailures, ReturnZeroAndLeaveTheFolderAsItWas) {
    ScratchDir dir;
    WriteText(dir.File("keep.gif"), "kept");
    std::filesystem::create_directory(dir.Path() / "folder");
    const auto before = dir.Names();

    EXPECT_EQ(WriteWholeFile(dir.File(GetParam().target), StreamOf(GetParam().data)), 0u);
    EXPECT_EQ(dir.Names(), before);
    EXPECT_EQ(ReadBytes(dir.File("keep.gif")), BytesOf("kept"));
}

INSTANTIATE_TEST_SUITE_P(Cases, WriteWholeFileFailures,
                         testing::Values(FailureCase{"missingFolder", "absent/code.gif", "data"},
                                         FailureCase{"targetIsAFolder", "folder", "data"},
                                         FailureCase{"emptyDataKeepsTheOldFile", "keep.gif", ""},
                                         FailureCase{"fileAsFolder", "keep.gif/code.gif", "data"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WriteBuiltFile, FailedOrThrowingBuildLeavesTheTargetAlone) {
    ScratchDir dir;
    const std::string target = dir.File("code.emf");
    WriteText(target, "old");
    EXPECT_FALSE(WriteBuiltFile(target, [](TDataStream& out) {
        out.Write("partial");
        return false;
    }));
    EXPECT_FALSE(WriteBuiltFile(target, [](TDataStream& out) -> bool {
        out.Write("partial");
        throw std::runtime_error("failed half-way");
    }));
    EXPECT_FALSE(WriteBuiltFile(target, [](TDataStream&) { return true; }));
    EXPECT_EQ(ReadBytes(target), BytesOf("old"));
    EXPECT_TRUE(WriteBuiltFile(target, [](TDataStream& out) {
        out.Write("new");
        return true;
    }));
    EXPECT_EQ(ReadBytes(target), BytesOf("new"));
}

TEST(UniqueName, IsEightHexDigitsAndDrawsAgainWhileTheNameExists) {
    ScratchDir dir;
    const std::regex form(dir.Path().string() + "/[0-9A-F]{8}\\.bmp");
    std::srand(7);
    const std::string first = UniqueName(dir.Path().string(), ".bmp");
    EXPECT_TRUE(std::regex_match(first, form)) << first;
    WriteText(first, "");
    std::srand(7); // the same draw again, which now names an existing file
    const std::string second = UniqueName(dir.Path().string() + "/", ".bmp");
    EXPECT_TRUE(std::regex_match(second, form)) << second;
    EXPECT_NE(second, first);
}

} // namespace
} // namespace lumetra
