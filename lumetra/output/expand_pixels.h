#pragma once

#include "lumetra/output/module_matrix.h"

#include <cstdint>
#include <vector>

namespace lumetra {

inline constexpr std::uint8_t kDarkPixel = 0x00;
inline constexpr std::uint8_t kLightPixel = 0xFF;

// One byte per pixel, rows top first, W * scale by H * scale pixels. Empty when ScaledSize refuses
// the matrix or the scale.
std::vector<std::uint8_t> ExpandPixels(const ModuleMatrix& matrix, int scale);

} // namespace lumetra
