#pragma once

#include "lumetra/output/data_stream.h"
#include "lumetra/output/module_matrix.h"

#include <cstdint>
#include <optional>

namespace lumetra {

// The 1-bit bitmap that BMP files and the bitmap forms of the metafiles carry: information
// header, a two-entry palette (0 white, 1 black) and the rows bottom first in whole 32-bit words.
struct Dib {
    int scale = 1;
    PixelSize size;
    std::uint32_t rowBytes = 0;
    std::uint32_t imageBytes = 0;
};

// Information header and palette.
inline constexpr std::uint32_t kDibHeaderBytes = 40 + 8;

// Bitmaps are drawn 2, 4 or 8 pixels per module; any other module size draws one.
int BmpScale(int moduleSize);

// The bitmap of a matrix at BmpScale(moduleSize); nothing when ScaledSize refuses it.
std::optional<Dib> PlanDib(const ModuleMatrix& matrix, int moduleSize);

void AppendDib(TDataStream& out, const ModuleMatrix& matrix, const Dib& dib);

} // namespace lumetra
