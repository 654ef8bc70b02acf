#include "lumetra/output/module_matrix.h"

namespace lumetra {

ModuleMatrix ModuleMatrix::Blank(int width, int height) {
    ModuleMatrix matrix{width, height, {}};
    if (width > 0 && height > 0) matrix.bits.assign(matrix.RowBytes() * height, 0);
    return matrix;
}

std::size_t ModuleMatrix::RowBytes() const {
    return width > 0 ? (static_cast<std::size_t>(width) + 7) / 8 : 0;
}

bool ModuleMatrix::Valid() const {
    return width > 0 && height > 0 && bits.size() == RowBytes() * static_cast<std::size_t>(height);
}

bool ModuleMatrix::Dark(int column, int row) const {
    return (bits[row * RowBytes() + column / 8] >> (7 - column % 8)) & 1;
}

void ModuleMatrix::SetDark(int column, int row) {
    bits[row * RowBytes() + column / 8] |= static_cast<std::uint8_t>(0x80 >> (column % 8));
}

std::optional<PixelSize> ScaledSize(const ModuleMatrix& matrix, int scale) {
    if (!matrix.Valid() || scale < 1) return std::nullopt;
    const std::int64_t width = std::int64_t{matrix.width} * scale;
    const std::int64_t height = std::int64_t{matrix.height} * scale;
    if (width > kMaxImageSide || height > kMaxImageSide || width * height > kMaxImagePixels)
        return std::nullopt;
    return PixelSize{static_cast<int>(width), static_cast<int>(height)};
}

} // namespace lumetra
