#include "lumetra/output/data_stream.h"
#include "lumetra/output/image_writers.h"
#include "lumetra/output/pixel_rows.h"
#include "lumetra/output/whole_file.h"

#include <algorithm>

namespace lumetra {
namespace {

constexpr std::uint32_t kPixelOffset = 122;
constexpr std::uint16_t kShort = 3;
constexpr std::uint16_t kLong = 4;

void Entry(TDataStream& out, std::uint16_t tag, std::uint16_t type, std::uint32_t value) {
    out.WriteU16(tag);
    out.WriteU16(type);
    out.WriteU32(1);
    out.WriteU32(value); // a SHORT stands in the low half, as little-endian readers expect
}

} // namespace

bool WriteTiff(const ModuleMatrix& matrix, int moduleSize, const std::string& fileName) noexcept {
    return WriteBuiltFile(fileName, [&](TDataStream& out) {
        const int scale = std::max(moduleSize, 1);
        const auto size = ScaledSize(matrix, scale);
        if (!size) return false;
        const std::uint32_t rowBytes = (std::uint32_t(size->width) + 7) / 8;
        out.Write("II");
        out.WriteU16(42);
        out.WriteU32(8);
        out.WriteU16(9);
        Entry(out, 256, kShort, size->width);
        Entry(out, 257, kShort, size->height);
        Entry(out, 258, kShort, 1); // bits per sample
        Entry(out, 259, kShort, 1); // no compression
        Entry(out, 262, kShort, 0); // white is zero
        Entry(out, 273, kLong, kPixelOffset);
        Entry(out, 277, kShort, 1); // samples per pixel
        Entry(out, 278, kShort, size->height);
        Entry(out, 279, kLong, rowBytes * size->height);
        out.WriteU32(0); // no further directory
        out.Write(PixelRows(matrix, scale, rowBytes, SetBits::Dark, RowOrder::TopFirst));
        return true;
    });
}

} // namespace lumetra
