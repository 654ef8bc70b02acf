#include "lumetra/output/data_stream.h"
#include "lumetra/output/dib.h"
#include "lumetra/output/image_writers.h"
#include "lumetra/output/whole_file.h"

namespace lumetra {

bool WriteBmp(const ModuleMatrix& matrix, int moduleSize, const std::string& fileName) noexcept {
    return WriteBuiltFile(fileName, [&](TDataStream& out) {
        const auto dib = PlanDib(matrix, moduleSize);
        if (!dib) return false;
        constexpr std::uint32_t pixelOffset = 14 + kDibHeaderBytes;
        out.Write("BM");
        out.WriteU32(pixelOffset + dib->imageBytes);
        out.WriteU32(0); // two reserved words
        out.WriteU32(pixelOffset);
        AppendDib(out, matrix, *dib);
        return true;
    });
}

} // namespace lumetra
