#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace lumetra {

// The encoder's symbol as every output takes it: `height` rows of RowBytes() bytes, row 0 at the
// top, module (c, r) in bit 7 - c % 8 of byte r * RowBytes() + c / 8, 1 for a dark module, the
// bits behind the last column 0. The encoder hands over its width, height and matrix bytes as
// they are: ModuleMatrix{coder.Width(), coder.Height(), coder.Matrix()}.
struct ModuleMatrix {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> bits;

    // An all-light matrix; sizes below 1 give an invalid one.
    static ModuleMatrix Blank(int width, int height);

    std::size_t RowBytes() const;
    // True when the sizes are positive and `bits` holds exactly the rows they call for.
    bool Valid() const;
    bool Dark(int column, int row) const;
    void SetDark(int column, int row);
};

// TIFF and GIF keep image sizes in 16 bits.
inline constexpr int kMaxImageSide = 65535;
// Bounds the memory of one image, which the GIF writer holds as a byte per pixel.
inline constexpr std::int64_t kMaxImagePixels = std::int64_t{1} << 28;

struct PixelSize {
    int width = 0;
    int height = 0;
};

// The image size of a valid matrix drawn `scale` pixels per module; nothing when the matrix is
// invalid, the scale is below 1 or the image would exceed the limits above.
std::optional<PixelSize> ScaledSize(const ModuleMatrix& matrix, int scale);

} // namespace lumetra
