#include "lumetra/output/image_writers.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace lumetra {
namespace {

using namespace test;

struct BmpCase {
    int moduleSize;
    int scale;
    std::size_t rowBytes;
};

void PrintTo(const BmpCase& c, std::ostream* os) {
    *os << "module size " << c.moduleSize;
}

class BmpSizes : public testing::TestWithParam<BmpCase> {};

TEST_P(BmpSizes, HeadersPaletteAndRowsBottomFirst) {
    const BmpCase& c = GetParam();
    const ModuleMatrix matrix = Scatter(19, 19);
    const int side = 19 * c.scale;
    const std::uint32_t imageBytes = std::uint32_t(c.rowBytes * side);
    ScratchDir dir;
    ASSERT_TRUE(WriteBmp(matrix, c.moduleSize, dir.File("code.bmp")));
    const auto file = ReadBytes(dir.File("code.bmp"));
    ASSERT_EQ(file.size(), 62 + imageBytes);

    EXPECT_EQ(std::string(file.begin(), file.begin() + 2), "BM");
    EXPECT_EQ(U32(file, 2), 62 + imageBytes);
    EXPECT_EQ(U32(file, 6), 0u);
    EXPECT_EQ(U32(file, 10), 62u);
    const std::uint32_t info[] = {40, std::uint32_t(side), std::uint32_t(side)};
    for (int i = 0; i < 3; ++i) EXPECT_EQ(U32(file, 14 + 4 * i), info[i]);
    EXPECT_EQ(U16(file, 26), 1); // planes
    EXPECT_EQ(U16(file, 28), 1); // bits per pixel
    const std::uint32_t rest[] = {0, imageBytes, 0, 0, 2, 2, 0x00FFFFFF, 0};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(U32(file, 30 + 4 * i), rest[i]) << "field " << i;

    for (int y = 0; y < side; ++y)
        for (int x = 0; x < int(c.rowBytes * 8); ++x) {
            const int row = (side - 1 - y) / c.scale; // stored bottom row first
            ASSERT_EQ(PixelBit(file, 62, c.rowBytes, x, y),
                      x < side && matrix.Dark(x / c.scale, row))
                << x << "," << y;
        }
}

// Only 2, 4 and 8 scale the bitmap; every other module size draws one pixel per module.
INSTANTIATE_TEST_SUITE_P(ModuleSizes, BmpSizes,
                         testing::Values(BmpCase{1, 1, 4}, BmpCase{0, 1, 4}, BmpCase{3, 1, 4},
                                         BmpCase{-2, 1, 4}, BmpCase{2, 2, 8}, BmpCase{4, 4, 12},
                                         BmpCase{8, 8, 20}));

} // namespace
} // namespace lumetra
