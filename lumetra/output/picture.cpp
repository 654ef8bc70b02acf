#include "lumetra/output/make_picture.h"

#include "lumetra/output/pixel_rows.h"

#include <atomic>
#include <cstddef>
#include <memory>
#include <vector>

struct LumxPicture {
    std::atomic<std::int32_t> references{1};
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t stride = 0;
    std::vector<std::uint8_t> bits;
};

namespace lumetra {

LumxPicture* MakePicture(const ModuleMatrix& matrix, int moduleSize) noexcept {
    const auto size = ScaledSize(matrix, moduleSize);
    if (!size) return nullptr;
    try {
        auto picture = std::make_unique<LumxPicture>();
        picture->width = size->width;
        picture->height = size->height;
        picture->stride = (size->width + 15) / 16 * 2;
        picture->bits =
            PixelRows(matrix, moduleSize, picture->stride, SetBits::Light, RowOrder::TopFirst);
        return picture.release();
    } catch (...) {
        return nullptr;
    }
}

} // namespace lumetra

extern "C" {

int32_t Lumx_PictureAddRef(LumxPicture* picture) {
    return picture ? ++picture->references : 0;
}

int32_t Lumx_PictureRelease(LumxPicture* picture) {
    if (!picture) return 0;
    const std::int32_t left = --picture->references;
    if (left == 0) delete picture;
    return left;
}

int32_t Lumx_PictureWidth(const LumxPicture* picture) {
    return picture ? picture->width : 0;
}

int32_t Lumx_PictureHeight(const LumxPicture* picture) {
    return picture ? picture->height : 0;
}

int32_t Lumx_PictureStride(const LumxPicture* picture) {
    return picture ? picture->stride : 0;
}

const uint8_t* Lumx_PictureBits(const LumxPicture* picture) {
    return picture ? picture->bits.data() : nullptr;
}
}
