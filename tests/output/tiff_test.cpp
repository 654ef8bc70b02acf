#include "lumetra/output/image_writers.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace lumetra {
namespace {

using namespace test;

struct TiffCase {
    int moduleSize;
    int side; // pixels
    std::size_t rowBytes;
};

void PrintTo(const TiffCase& c, std::ostream* os) {
    *os << "module size " << c.moduleSize;
}

class TiffSizes : public testing::TestWithParam<TiffCase> {};

TEST_P(TiffSizes, HeaderOfNineEntriesThenTheRowsBlackAsOne) {
    const TiffCase& c = GetParam();
    const ModuleMatrix matrix = Scatter(19, 19);
    ScratchDir dir;
    ASSERT_TRUE(WriteTiff(matrix, c.moduleSize, dir.File("code.tif")));
    const auto file = ReadBytes(dir.File("code.tif"));
    ASSERT_EQ(file.size(), 122 + c.side * c.rowBytes);

    EXPECT_EQ(std::string(file.begin(), file.begin() + 2), "II");
    EXPECT_EQ(U16(file, 2), 42);
    EXPECT_EQ(U32(file, 4), 8u);
    EXPECT_EQ(U16(file, 8), 9);
    const std::uint32_t entries[9][3] = {
        {256, 3, std::uint32_t(c.side)},
        {257, 3, std::uint32_t(c.side)},
        {258, 3, 1},
        {259, 3, 1},
        {262, 3, 0},
        {273, 4, 122},
        {277, 3, 1},
        {278, 3, std::uint32_t(c.side)},
        {279, 4, std::uint32_t(c.side * c.rowBytes)},
    };
    for (int i = 0; i < 9; ++i) {
        const std::size_t at = 10 + 12 * i;
        EXPECT_EQ(U16(file, at), entries[i][0]);
        EXPECT_EQ(U16(file, at + 2), entries[i][1]) << "tag " << entries[i][0];
        EXPECT_EQ(U32(file, at + 4), 1u);
        EXPECT_EQ(U32(file, at + 8), entries[i][2]) << "tag " << entries[i][0];
    }
    EXPECT_EQ(U32(file, 118), 0u);

    const int m = c.side / 19;
    for (int y = 0; y < c.side; ++y)
        for (int x = 0; x < int(c.rowBytes * 8); ++x)
            ASSERT_EQ(PixelBit(file, 122, c.rowBytes, x, y),
                      x < c.side && matrix.Dark(x / m, y / m))
                << x << "," << y;
}

// Module sizes below 1 draw one pixel per module.
INSTANTIATE_TEST_SUITE_P(ModuleSizes, TiffSizes,
                         testing::Values(TiffCase{1, 19, 3}, TiffCase{0, 19, 3},
                                         TiffCase{-4, 19, 3}, TiffCase{3, 57, 8},
                                         TiffCase{8, 152, 19}));

TEST(WriteTiff, WithOnePixelPerModuleThePixelsAreTheMatrixRows) {
    const ModuleMatrix matrix = Scatter(19, 19, 5);
    ScratchDir dir;
    ASSERT_TRUE(WriteTiff(matrix, 1, dir.File("code.tif")));
    const auto file = ReadBytes(dir.File("code.tif"));
    EXPECT_EQ(std::vector<std::uint8_t>(file.begin() + 122, file.end()), matrix.bits);
}

} // namespace
} // namespace lumetra
