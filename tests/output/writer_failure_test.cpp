#include "lumetra/output/image_writers.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <climits>
#include <fstream>

namespace lumetra {
namespace {

using namespace test;

using Writer = bool (*)(const ModuleMatrix&, int, const std::string&) noexcept;

struct NamedWriter {
    const char* name;
    Writer write;
};

void PrintTo(const NamedWriter& w, std::ostream* os) {
    *os << w.name;
}

const NamedWriter kWriters[] = {{"Tiff", WriteTiff},
                                {"Bmp", WriteBmp},
                                {"Gif", WriteGif},
                                {"Emf", WriteEmf},
                                {"Wmf", WriteWmf}};

struct BadInput {
    const char* name;
    ModuleMatrix matrix;
    int moduleSize;
    std::string target; // in the scratch folder, which holds the file "old" and the folder "sub"
};

void PrintTo(const BadInput& b, std::ostream* os) {
    *os << b.name;
}

const BadInput kEveryWriterRefuses[] = {
    {"EmptyMatrix", ModuleMatrix{}, 1, "code"},
    {"ZeroWidth", ModuleMatrix{0, 5, {}}, 1, "code"},
    {"BitsTooShort", ModuleMatrix{19, 19, std::vector<std::uint8_t>(19 * 3 - 1)}, 1, "code"},
    {"MissingFolder", Scatter(19, 19), 1, "absent/code"},
    {"TargetIsAFolder", Scatter(19, 19), 1, "sub"},
    {"TooWide", Scatter(70000, 1), 1, "code"},
};

class WriterFailures : public testing::TestWithParam<std::tuple<NamedWriter, BadInput>> {};

void ExpectRefused(Writer write, const BadInput& input) {
    ScratchDir dir;
    std::ofstream(dir.File("old")) << "old";
    std::filesystem::create_directory(dir.Path() / "sub");
    EXPECT_FALSE(write(input.matrix, input.moduleSize, dir.File(input.target)));
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"old", "sub"}));
    EXPECT_EQ(ReadBytes(dir.File("old")), (std::vector<std::uint8_t>{'o', 'l', 'd'}));
}

TEST_P(WriterFailures, ReportFalseAndWriteNothing) {
    ExpectRefused(std::get<0>(GetParam()).write, std::get<1>(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(AllWriters, WriterFailures,
                         testing::Combine(testing::ValuesIn(kWriters),
                                          testing::ValuesIn(kEveryWriterRefuses)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) +
                                    std::get<1>(info.param).name;
                         });

struct OneWriterCase {
    NamedWriter writer;
    BadInput input;
};

void PrintTo(const OneWriterCase& c, std::ostream* os) {
    *os << c.writer.name << c.input.name;
}

class FormatLimits : public testing::TestWithParam<OneWriterCase> {};

TEST_P(FormatLimits, ReportFalseAndWriteNothing) {
    ExpectRefused(GetParam().writer.write, GetParam().input);
}

// Sizes that fit one format's fields but not another's.
INSTANTIATE_TEST_SUITE_P(
    Formats, FormatLimits,
    testing::Values(
        OneWriterCase{kWriters[0], {"HugeModuleSize", Scatter(19, 19), INT_MAX, "old"}},
        OneWriterCase{kWriters[0], {"WiderThan16Bits", Scatter(19, 19), 3450, "old"}},
        OneWriterCase{kWriters[2], {"HugeModuleSize", Scatter(19, 19), INT_MAX, "old"}},
        OneWriterCase{kWriters[2], {"ModuleSizeZero", Scatter(19, 19), 0, "old"}},
        OneWriterCase{kWriters[4], {"WiderThan16BitCoordinates", Scatter(40000, 1), 0, "old"}},
        OneWriterCase{kWriters[4], {"BitmapWiderThan16Bits", Scatter(5000, 1), 8, "old"}}),
    [](const auto& info) { return std::string(info.param.writer.name) + info.param.input.name; });

} // namespace
} // namespace lumetra
