#pragma once

#include <cstdint>

#include "lumetra/output/module_matrix.h"
#include "lumetra/printing/print_exports.h"

namespace lumetra {

// Paints the matrix into the caller's raster, `scale` pixels per module: dark modules black,
// everything else white. Sets the raster's size first; 10 when its capacity is too small, 25 when
// the matrix cannot be drawn at that scale.
int32_t PaintRaster(LumxRaster& raster, const ModuleMatrix& matrix, int scale);

} // namespace lumetra
