// The picture export: its defaults, its bits against the encoder's matrix, its failures.
#include <gtest/gtest.h>

#include "api_test_support.h"
#include "lumetra/api/lumetra.h"
#include "lumetra/encoder/tazt_coder.h"
#include "lumetra/output/rotate.h"
#include "statement_messages.h"
#include "tools/symbol_reader.h"

namespace lumetra::test {
namespace {

// Releases the picture at the end of a test.
struct HeldPicture {
    LumxPicture* picture = reinterpret_cast<LumxPicture*>(0x1); // must be overwritten
    ~HeldPicture() {
        if (picture && picture != reinterpret_cast<LumxPicture*>(0x1)) Lumx_PictureRelease(picture);
    }
};

tool::GreyImage ImageOf(const LumxPicture* picture) {
    tool::GreyImage image{Lumx_PictureWidth(picture), Lumx_PictureHeight(picture), {}};
    const uint8_t* bits = Lumx_PictureBits(picture);
    const int stride = Lumx_PictureStride(picture);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            image.pixels.push_back((bits[y * stride + x / 8] >> (7 - x % 8)) & 1 ? 255 : 0);
    return image;
}

// The matrix the encoder draws for the bytes the picture carries, with size mode 23.
ModuleMatrix MatrixForContent(const tool::GreyImage& image) {
    const tool::SymbolBytes read = tool::ReadSymbols(image);
    EXPECT_EQ(read.result, 0);
    TAztCoder coder;
    coder.SetData(read.bytes);
    coder.SetSizeMode(23);
    EXPECT_EQ(coder.Encode(), 0);
    return {coder.Width(), coder.Height(), coder.Matrix()};
}

void ExpectPictureOfMatrix(const LumxPicture* picture, const ModuleMatrix& matrix, int scale) {
    ASSERT_EQ(Lumx_PictureWidth(picture), matrix.width * scale);
    ASSERT_EQ(Lumx_PictureHeight(picture), matrix.height * scale);
    EXPECT_EQ(Lumx_PictureStride(picture), (matrix.width * scale + 15) / 16 * 2);
    const tool::GreyImage image = ImageOf(picture);
    int wrong = 0;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            wrong += (image.At(x, y) == 0) != matrix.Dark(x / scale, y / scale);
    EXPECT_EQ(wrong, 0);
}

TEST(PictureExport, ZerosMeanSizeMode23OneSymbolOnePixelPerModule) {
    HeldPicture held;
    ASSERT_EQ(Lumx_EnCode_IPictureDisp(ExampleStatement().c_str(), &held.picture, 0, 0, 0, 0), 0);
    ASSERT_NE(held.picture, nullptr);
    const tool::GreyImage image = ImageOf(held.picture);
    ExpectPictureOfMatrix(held.picture, MatrixForContent(image), 1);
    EXPECT_EQ(ReadBackLines(image), ExpectedLines(ExampleStatement()));
}

TEST(PictureExport, ScalesAndTurnsTheMatrix) {
    HeldPicture held;
    ASSERT_EQ(Lumx_EnCode_IPictureDisp(ExampleStatement().c_str(), &held.picture, 23, 1, 3, 1), 0);
    ExpectPictureOfMatrix(held.picture, Rotate(MatrixForContent(ImageOf(held.picture))), 3);
    EXPECT_EQ(ReadBackLines(ImageOf(held.picture)), ExpectedLines(ExampleStatement()));
}

TEST(PictureExport, OnlyTheLowByteOfRotateCounts) {
    for (const int32_t rotate : {0x100, 0x101}) {
        HeldPicture held;
        ASSERT_EQ(
            Lumx_EnCode_IPictureDisp(ExampleStatement().c_str(), &held.picture, 0, 3, 1, rotate),
            0);
        const bool turned = Lumx_PictureHeight(held.picture) > Lumx_PictureWidth(held.picture);
        EXPECT_EQ(turned, rotate == 0x101);
        EXPECT_EQ(ReadBackLines(ImageOf(held.picture)), ExpectedLines(ExampleStatement()));
    }
}

TEST(PictureExport, FailuresLeaveNoPicture) {
    const struct {
        const char* message;
        int32_t sizeMode;
        int32_t moduleSize;
        int32_t expected;
    } cases[] = {
        {nullptr, 0, 1, 27},     {"", 0, 1, 27},
        {"Ostrel77", 0, 1, 15},  {"\n", 0, 1, 13},
        {"\r", 0, 1, 15},        {"Ostrel13", 100, 1, 28},
        {"Ostrel13", 0, -2, 25}, {"Ostrel13", 0, 1 << 20, 25},
    };
    for (const auto& c : cases) {
        HeldPicture held;
        const int32_t result =
            Lumx_EnCode_IPictureDisp(c.message, &held.picture, c.sizeMode, 1, c.moduleSize, 0);
        EXPECT_EQ(result, c.expected) << (c.message ? c.message : "null");
        EXPECT_EQ(held.picture, nullptr);
    }
    EXPECT_EQ(Lumx_EnCode_IPictureDisp("Ostrel13", nullptr, 0, 1, 1, 0), 25);
}

TEST(PictureExport, CallerOwnsTheOneReference) {
    LumxPicture* picture = nullptr;
    ASSERT_EQ(Lumx_EnCode_IPictureDisp("Ostrel13", &picture, 0, 1, 1, 0), 0);
    EXPECT_EQ(Lumx_PictureAddRef(picture), 2);
    EXPECT_EQ(Lumx_PictureRelease(picture), 1);
    EXPECT_EQ(Lumx_PictureRelease(picture), 0);
}

} // namespace
} // namespace lumetra::test
