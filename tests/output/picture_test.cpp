#include "lumetra/output/make_picture.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <climits>

extern "C" int32_t PictureFirstByteFromC(LumxPicture* picture);

namespace lumetra {
namespace {

using namespace test;

struct PictureCase {
    int width;
    int moduleSize;
    int stride;
};

void PrintTo(const PictureCase& c, std::ostream* os) {
    *os << c.width << " modules, module size " << c.moduleSize;
}

class PictureRows : public testing::TestWithParam<PictureCase> {};

TEST_P(PictureRows, WholeWordRowsWithLightAsOneAndSpareBitsClear) {
    const PictureCase& c = GetParam();
    const ModuleMatrix matrix = Scatter(c.width, 7);
    LumxPicture* picture = MakePicture(matrix, c.moduleSize);
    ASSERT_NE(picture, nullptr);
    const int width = c.width * c.moduleSize, height = 7 * c.moduleSize;
    EXPECT_EQ(Lumx_PictureWidth(picture), width);
    EXPECT_EQ(Lumx_PictureHeight(picture), height);
    ASSERT_EQ(Lumx_PictureStride(picture), c.stride);

    const uint8_t* bits = Lumx_PictureBits(picture);
    const std::vector<std::uint8_t> rows(bits, bits + height * c.stride);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < c.stride * 8; ++x)
            ASSERT_EQ(PixelBit(rows, 0, c.stride, x, y),
                      x < width && !matrix.Dark(x / c.moduleSize, y / c.moduleSize))
                << x << "," << y;
    EXPECT_EQ(Lumx_PictureRelease(picture), 0);
}

INSTANTIATE_TEST_SUITE_P(Sizes, PictureRows,
                         testing::Values(PictureCase{19, 1, 4}, PictureCase{16, 1, 2},
                                         PictureCase{17, 1, 4}, PictureCase{19, 2, 6},
                                         PictureCase{23, 3, 10}, PictureCase{5, 8, 6}));

TEST(Picture, CallerOwnsTheOnlyReference) {
    LumxPicture* picture = MakePicture(MatrixOf({"#.", ".#"}), 1);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(Lumx_PictureAddRef(picture), 2);
    EXPECT_EQ(PictureFirstByteFromC(picture), 0x40); // dark, light: 01 then clear spare bits
    EXPECT_EQ(Lumx_PictureRelease(picture), 1);
    EXPECT_EQ(Lumx_PictureWidth(picture), 2);
    EXPECT_EQ(Lumx_PictureRelease(picture), 0); // freed here; the sanitizer sees any leak
}

TEST(Picture, NullPictureAnswersZero) {
    EXPECT_EQ(Lumx_PictureAddRef(nullptr), 0);
    EXPECT_EQ(Lumx_PictureRelease(nullptr), 0);
    EXPECT_EQ(Lumx_PictureWidth(nullptr), 0);
    EXPECT_EQ(Lumx_PictureHeight(nullptr), 0);
    EXPECT_EQ(Lumx_PictureStride(nullptr), 0);
    EXPECT_EQ(Lumx_PictureBits(nullptr), nullptr);
    EXPECT_EQ(PictureFirstByteFromC(nullptr), -1);
}

TEST(Picture, UndrawableInputGivesNoPicture) {
    EXPECT_EQ(MakePicture(Scatter(19, 19), 0), nullptr);
    EXPECT_EQ(MakePicture(Scatter(19, 19), -1), nullptr);
    EXPECT_EQ(MakePicture(Scatter(19, 19), INT_MAX), nullptr);
    EXPECT_EQ(MakePicture(ModuleMatrix{}, 1), nullptr);
    EXPECT_EQ(MakePicture(ModuleMatrix{19, 19, {1, 2, 3}}, 1), nullptr);
}

} // namespace
} // namespace lumetra
