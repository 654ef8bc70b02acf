#include "lumetra/output/dib.h"

#include "lumetra/output/pixel_rows.h"

namespace lumetra {

int BmpScale(int moduleSize) {
    return moduleSize == 2 || moduleSize == 4 || moduleSize == 8 ? moduleSize : 1;
}

std::optional<Dib> PlanDib(const ModuleMatrix& matrix, int moduleSize) {
    const int scale = BmpScale(moduleSize);
    const auto size = ScaledSize(matrix, scale);
    if (!size) return std::nullopt;
    const std::uint32_t rowBytes = (std::uint32_t(size->width) + 31) / 32 * 4;
    return Dib{scale, *size, rowBytes, rowBytes * size->height};
}

void AppendDib(TDataStream& out, const ModuleMatrix& matrix, const Dib& dib) {
    out.WriteU32(40);
    out.WriteI32(dib.size.width);
    out.WriteI32(dib.size.height); // positive: rows bottom first
    out.WriteU16(1);               // planes
    out.WriteU16(1);               // bits per pixel
    out.WriteU32(0);               // no compression
    out.WriteU32(dib.imageBytes);
    out.WriteU32(0); // resolution
    out.WriteU32(0);
    out.WriteU32(2); // colours used
    out.WriteU32(2); // colours important
    out.WriteU32(0x00FFFFFF);
    out.WriteU32(0x00000000);
    out.Write(PixelRows(matrix, dib.scale, dib.rowBytes, SetBits::Dark, RowOrder::BottomFirst));
}

} // namespace lumetra
