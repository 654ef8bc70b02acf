#include "lumetra/printing/raster_painting.h"

#include <algorithm>

#include "lumetra/api/lumetra.h"
#include "lumetra/output/expand_pixels.h"

namespace lumetra {

int32_t PaintRaster(LumxRaster& raster, const ModuleMatrix& matrix, int scale) {
    const auto size = ScaledSize(matrix, scale);
    if (!size) return LUMX_BAD_PARAMETERS;
    raster.width = size->width;
    raster.height = size->height;
    if (!raster.pixels || raster.capacity < int64_t{size->width} * size->height)
        return LUMX_BUFFER_TOO_SMALL;
    const std::vector<uint8_t> pixels = ExpandPixels(matrix, scale);
    std::copy(pixels.begin(), pixels.end(), raster.pixels);
    return LUMX_OK;
}

} // namespace lumetra
