#include "lumetra/output/expand_pixels.h"

#include <algorithm>

namespace lumetra {

std::vector<std::uint8_t> ExpandPixels(const ModuleMatrix& matrix, int scale) {
    const auto size = ScaledSize(matrix, scale);
    if (!size) return {};
    const std::size_t width = size->width;
    std::vector<std::uint8_t> pixels(width * size->height);
    auto out = pixels.begin();
    for (int r = 0; r < matrix.height; ++r) {
        const auto rowStart = out;
        for (int c = 0; c < matrix.width; ++c)
            out = std::fill_n(out, scale, matrix.Dark(c, r) ? kDarkPixel : kLightPixel);
        for (int repeat = 1; repeat < scale; ++repeat) out = std::copy_n(rowStart, width, out);
    }
    return pixels;
}

} // namespace lumetra
