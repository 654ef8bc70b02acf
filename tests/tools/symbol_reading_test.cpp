// The command line's own image reading (Netpbm and BMP, checked against ImageMagick's files) and
// its reading of symbol sets as the library lays them out.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <ostream>

#include "api_test_support.h"
#include "lumetra/encoder/tazt_coder.h"
#include "lumetra/output/expand_pixels.h"
#include "lumetra/output/rotate.h"
#include "tool_runner.h"
#include "tools/symbol_reader.h"

namespace lumetra::test {
namespace {

ModuleMatrix Encoded(const std::string& bytes, int count) {
    TAztCoder coder;
    coder.SetData(bytes);
    coder.SetSymbolCount(count);
    if (count > 1) coder.SetMessageId("Q");
    EXPECT_EQ(coder.Encode(), 0);
    return {coder.Width(), coder.Height(), coder.Matrix()};
}

tool::GreyImage ImageOf(const ModuleMatrix& matrix, int scale) {
    return {matrix.width * scale, matrix.height * scale, ExpandPixels(matrix, scale)};
}

TEST(ImageReading, NetpbmAndBmpAsImageMagickWritesThem) {
    ScratchFolder scratch;
    const tool::GreyImage original = ImageOf(Encoded("image reading", 1), 2);
    std::ofstream(scratch.File("original.pgm"), std::ios::binary)
        << "P5\n"
        << original.width << ' ' << original.height << "\n255\n"
        << std::string(original.pixels.begin(), original.pixels.end());
    const std::vector<std::vector<std::string>> conversions = {
        {"-compress", "none", "pbm:@"},   {"pbm:@"},
        {"-compress", "none", "pgm:@"},   {"pgm:@"},
        {"-compress", "none", "ppm:@"},   {"ppm:@"},
        {"-type", "bilevel", "bmp3:@"},   {"-type", "palette", "bmp3:@"},
        {"-type", "truecolor", "bmp3:@"}, {"-type", "truecolor", "-flip", "bmp:@"},
    };
    for (const auto& conversion : conversions) {
        std::vector<std::string> arguments = {scratch.File("original.pgm")};
        for (const std::string& argument : conversion) {
            const auto at = argument.find('@');
            arguments.push_back(at == std::string::npos
                                    ? argument
                                    : argument.substr(0, at) + scratch.File("converted"));
        }
        const std::string label = arguments.back();
        ASSERT_EQ(RunProgram(KV_CONVERT, arguments).exitCode, 0) << label;
        const auto image = tool::ParseImage(FileContent(scratch.File("converted")));
        ASSERT_TRUE(image) << label;
        const bool flipped = std::ranges::find(conversion, "-flip") != conversion.end();
        ASSERT_EQ(image->width, original.width) << label;
        ASSERT_EQ(image->height, original.height) << label;
        int wrong = 0;
        for (int y = 0; y < image->height; ++y)
            for (int x = 0; x < image->width; ++x)
                wrong += image->At(x, y) != original.At(x, flipped ? image->height - 1 - y : y);
        EXPECT_EQ(wrong, 0) << label;
    }
    EXPECT_FALSE(tool::ParseImage("P5 100000 100000 255\n"));
    EXPECT_FALSE(tool::ParseImage("P2 2 2 255 0 0 0"));
    EXPECT_FALSE(tool::ParseImage("BM"));
}

struct Layout {
    int count;
    int scale;
    bool rotate;
};

void PrintTo(const Layout& layout, std::ostream* out) {
    *out << layout.count << " symbols, scale " << layout.scale << (layout.rotate ? ", turned" : "");
}

class SymbolSets : public testing::TestWithParam<Layout> {};

TEST_P(SymbolSets, ReadInSequenceOrder) {
    const Layout& layout = GetParam();
    const std::string bytes = "symbols side by side, " + std::string(120, 'x') + " and the end";
    const ModuleMatrix matrix = Encoded(bytes, layout.count);
    const tool::SymbolBytes read =
        tool::ReadSymbols(ImageOf(layout.rotate ? Rotate(matrix) : matrix, layout.scale));
    EXPECT_EQ(read.result, 0);
    EXPECT_EQ(read.bytes, bytes);
}

INSTANTIATE_TEST_SUITE_P(Layouts, SymbolSets,
                         testing::Values(Layout{1, 1, false}, Layout{2, 1, false},
                                         Layout{3, 2, true}, Layout{4, 3, false},
                                         Layout{5, 1, true}));

// zxing-cpp 1.4 drops a GS byte that opens a symbol, taking it for FNC1.
TEST(SymbolSets, LeadingGroupSeparatorSurvives) {
    const std::string bytes = "\x1DKVT and more";
    const tool::SymbolBytes read = tool::ReadSymbols(ImageOf(Encoded(bytes, 1), 2));
    EXPECT_EQ(read.result, 0);
    EXPECT_EQ(read.bytes, bytes);
}

} // namespace
} // namespace lumetra::test
