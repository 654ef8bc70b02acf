#include "lumetra/output/expand_pixels.h"
#include "lumetra/output/rotate.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <climits>

namespace lumetra {
namespace {

using test::MatrixOf;
using test::Scatter;

TEST(Rotate, TurnsClockwiseSoTheTopLeftModuleEndsTopRight) {
    const ModuleMatrix turned = Rotate(MatrixOf({
        "#..",
        "..#",
    }));
    EXPECT_EQ(turned.width, 2);
    EXPECT_EQ(turned.height, 3);
    EXPECT_EQ(turned.bits, MatrixOf({".#", "..", "#."}).bits);
}

struct RotateCase {
    int width;
    int height;
};

void PrintTo(const RotateCase& c, std::ostream* os) {
    *os << c.width << 'x' << c.height;
}

class RotateSizes : public testing::TestWithParam<RotateCase> {};

TEST_P(RotateSizes, MovesEveryModuleAndClearsThePaddingBits) {
    const ModuleMatrix source = Scatter(GetParam().width, GetParam().height);
    const ModuleMatrix turned = Rotate(source);
    ASSERT_TRUE(turned.Valid());
    ASSERT_EQ(turned.width, source.height);
    ASSERT_EQ(turned.height, source.width);
    for (int r = 0; r < source.height; ++r)
        for (int c = 0; c < source.width; ++c)
            ASSERT_EQ(turned.Dark(source.height - 1 - r, c), source.Dark(c, r)) << c << "," << r;
    const int spare = int(turned.RowBytes()) * 8 - turned.width;
    for (int r = 0; r < turned.height; ++r)
        EXPECT_EQ(turned.bits[(r + 1) * turned.RowBytes() - 1] & ((1 << spare) - 1), 0);
    EXPECT_EQ(Rotate(Rotate(Rotate(turned))).bits, source.bits);
}

// 59 x 19 is a structured append of three 19 x 19 symbols.
INSTANTIATE_TEST_SUITE_P(NonSquare, RotateSizes,
                         testing::Values(RotateCase{59, 19}, RotateCase{1, 9}, RotateCase{9, 1},
                                         RotateCase{17, 5}, RotateCase{8, 16}, RotateCase{19, 19}));

TEST(Rotate, InvalidMatrixGivesAnInvalidOne) {
    EXPECT_FALSE(Rotate(ModuleMatrix{}).Valid());
    EXPECT_FALSE(Rotate(ModuleMatrix{9, 2, {0xFF}}).Valid());
}

TEST(ExpandPixels, WritesScaleBytesPerModuleAndRepeatsEachRow) {
    const std::vector<std::uint8_t> pixels = ExpandPixels(MatrixOf({"#.", ".#", "##"}), 2);
    const std::vector<std::uint8_t> expected = {
        0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0xFF, 0xFF, //
        0xFF, 0xFF, 0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00, //
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    };
    EXPECT_EQ(pixels, expected);
}

struct SizeCase {
    const char* name;
    ModuleMatrix matrix;
    int scale;
    bool drawable;
};

void PrintTo(const SizeCase& c, std::ostream* os) {
    *os << c.name;
}

class ScaledSizes : public testing::TestWithParam<SizeCase> {};

TEST_P(ScaledSizes, RefusesWhatNoWriterCanDraw) {
    const SizeCase& c = GetParam();
    const auto size = ScaledSize(c.matrix, c.scale);
    EXPECT_EQ(size.has_value(), c.drawable);
    EXPECT_EQ(ExpandPixels(c.matrix, c.scale).empty(), !c.drawable);
    if (size) {
        EXPECT_EQ(size->width, c.matrix.width * c.scale);
        EXPECT_EQ(size->height, c.matrix.height * c.scale);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Limits, ScaledSizes,
    testing::Values(SizeCase{"one", Scatter(19, 19), 1, true},
                    SizeCase{"largest16Bit", Scatter(13107, 1), 5, true},
                    SizeCase{"wider16Bit", Scatter(65536, 1), 1, false},
                    SizeCase{"taller16Bit", Scatter(1, 65536), 1, false},
                    SizeCase{"tooManyPixels", Scatter(151, 151), 400, false},
                    SizeCase{"hugeScale", Scatter(3, 3), INT_MAX, false},
                    SizeCase{"zeroScale", Scatter(3, 3), 0, false},
                    SizeCase{"negativeScale", Scatter(3, 3), -2, false},
                    SizeCase{"empty", ModuleMatrix{}, 1, false},
                    SizeCase{"negativeWidth", ModuleMatrix{-8, 1, {}}, 1, false},
                    SizeCase{"shortBits", ModuleMatrix{19, 19, std::vector<std::uint8_t>(56)}, 1,
                             false}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace lumetra
