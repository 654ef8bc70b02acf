#pragma once

#include "lumetra/output/module_matrix.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace lumetra {

// Which module colour sets a pixel bit: TIFF and BMP set dark pixels, the picture light ones.
enum class SetBits { Dark, Light };
enum class RowOrder { TopFirst, BottomFirst };

// The 1-bit pixel rows of a matrix drawn `scale` pixels per module: each module bit repeated
// `scale` times, most significant bit leftmost, each row padded with 0 bits to `rowBytes`
// bytes and written `scale` times. The caller has checked the size with ScaledSize.
std::vector<std::uint8_t> PixelRows(const ModuleMatrix& matrix, int scale, std::size_t rowBytes,
                                    SetBits set, RowOrder order);

} // namespace lumetra
