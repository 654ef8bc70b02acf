#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace lumetra::tool {

// An 8-bit grey image, rows top first, 0 black.
struct GreyImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels;

    uint8_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// Images the tool reads itself: the Netpbm formats (PBM, PGM, PPM, plain or raw) and
// uncompressed BMP of 1, 4, 8, 24 or 32 bits. Nothing for anything else, a damaged file or an
// image above 2^28 pixels.
std::optional<GreyImage> ParseImage(std::string_view file);

} // namespace lumetra::tool
