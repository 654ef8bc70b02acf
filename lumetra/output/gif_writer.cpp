#include "lumetra/output/data_stream.h"
#include "lumetra/output/expand_pixels.h"
#include "lumetra/output/gif_lzw.h"
#include "lumetra/output/image_writers.h"
#include "lumetra/output/whole_file.h"

#include <algorithm>
#include <span>

namespace lumetra {
namespace {

constexpr std::size_t kSubBlockBytes = 254;
constexpr std::size_t kCommentBytes = 250;

void WriteSubBlock(TDataStream& out, std::span<const std::uint8_t> bytes) {
    out.WriteU8(std::uint8_t(bytes.size()));
    out.Write(bytes);
}

} // namespace

bool WriteGif(const ModuleMatrix& matrix, int moduleSize, const std::string& fileName) noexcept {
    return WriteBuiltFile(fileName, [&](TDataStream& out) {
        std::vector<std::uint8_t> pixels = ExpandPixels(matrix, moduleSize);
        if (pixels.empty()) return false;
        // Palette index 0 is black: a dark pixel byte 00 keeps bit 0 clear, a light FF sets it.
        for (auto& pixel : pixels) pixel &= 1;
        const auto width = std::uint16_t(matrix.width * moduleSize);
        const auto height = std::uint16_t(matrix.height * moduleSize);

        out.Write("GIF87a");
        out.WriteU16(width);
        out.WriteU16(height);
        out.WriteU8(0xF0); // global colour table of 2 entries, 8-bit colour resolution
        out.WriteU8(0);    // background index
        out.WriteU8(0);    // aspect ratio
        out.Write(std::string_view("\x00\x00\x00\xFF\xFF\xFF", 6));

        out.WriteU8(0x21);
        out.WriteU8(0xFE);
        const auto comment = kGeneratorText.substr(0, kCommentBytes);
        WriteSubBlock(
            out, std::span(reinterpret_cast<const std::uint8_t*>(comment.data()), comment.size()));
        out.WriteU8(0);

        out.WriteU8(0x2C);
        out.WriteU16(0);
        out.WriteU16(0);
        out.WriteU16(width);
        out.WriteU16(height);
        out.WriteU8(0); // no local colour table, not interlaced

        out.WriteU8(2); // minimum code size
        const std::vector<std::uint8_t> codes = GifLzwEncode(pixels);
        for (std::size_t at = 0; at < codes.size(); at += kSubBlockBytes)
            WriteSubBlock(
                out, std::span(codes).subspan(at, std::min(kSubBlockBytes, codes.size() - at)));
        out.WriteU8(0);
        out.WriteU8(0x3B);
        return true;
    });
}

} // namespace lumetra
