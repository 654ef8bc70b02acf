#include "tools/grey_image.h"

#include <cctype>
#include <cstring>

namespace lumetra::tool {
namespace {

constexpr int64_t kMaxPixels = int64_t{1} << 28;

bool SizeAllowed(int64_t width, int64_t height) {
    return width > 0 && height > 0 && width * height <= kMaxPixels;
}

// Reads the Netpbm header and samples; comments run from "#" to the line end.
class PnmReader {
public:
    explicit PnmReader(std::string_view file) : file_(file) {}

    std::optional<int64_t> Number() {
        for (;;) {
            while (at_ < file_.size() && std::isspace(static_cast<unsigned char>(file_[at_])))
                ++at_;
            if (at_ < file_.size() && file_[at_] == '#') {
                while (at_ < file_.size() && file_[at_] != '\n') ++at_;
                continue;
            }
            break;
        }
        int64_t value = 0;
        const size_t start = at_;
        while (at_ < file_.size() && std::isdigit(static_cast<unsigned char>(file_[at_])) &&
               value < (int64_t{1} << 40))
            value = value * 10 + (file_[at_++] - '0');
        if (at_ == start) return std::nullopt;
        return value;
    }
    // Plain PBM packs no blanks between its 0 and 1 digits necessarily.
    std::optional<int64_t> Bit() {
        while (at_ < file_.size() && file_[at_] != '0' && file_[at_] != '1') {
            if (!std::isspace(static_cast<unsigned char>(file_[at_]))) return std::nullopt;
            ++at_;
        }
        if (at_ == file_.size()) return std::nullopt;
        return file_[at_++] - '0';
    }
    // Raw data starts after exactly one blank behind the header.
    std::string_view Raw() const { return at_ < file_.size() ? file_.substr(at_ + 1) : ""; }

private:
    std::string_view file_;
    size_t at_ = 2;
};

std::optional<GreyImage> ParsePnm(std::string_view file) {
    const char kind = file[1];
    if (kind < '1' || kind > '6') return std::nullopt;
    const bool bits = kind == '1' || kind == '4';
    const bool plain = kind <= '3';
    const int channels = kind == '3' || kind == '6' ? 3 : 1;
    PnmReader reader(file);
    const auto width = reader.Number();
    const auto height = reader.Number();
    const auto maxValue = bits ? std::optional<int64_t>(1) : reader.Number();
    if (!width || !height || !maxValue || !SizeAllowed(*width, *height) || *maxValue < 1 ||
        *maxValue > 65535)
        return std::nullopt;

    GreyImage image{int(*width), int(*height), {}};
    image.pixels.reserve(static_cast<size_t>(*width * *height));
    const std::string_view raw = reader.Raw();
    const int sampleBytes = *maxValue > 255 ? 2 : 1;
    const size_t rowBytes =
        bits ? (size_t(*width) + 7) / 8 : size_t(*width) * channels * sampleBytes;
    if (!plain && raw.size() < rowBytes * size_t(*height)) return std::nullopt;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            if (bits) {
                const auto bit = plain
                                     ? reader.Bit()
                                     : std::optional<int64_t>(
                                           (uint8_t(raw[y * rowBytes + x / 8]) >> (7 - x % 8)) & 1);
                if (!bit) return std::nullopt;
                image.pixels.push_back(*bit ? 0 : 255);
                continue;
            }
            int64_t sum = 0;
            for (int c = 0; c < channels; ++c) {
                std::optional<int64_t> sample;
                if (plain) {
                    sample = reader.Number();
                } else {
                    const size_t at = y * rowBytes + (size_t(x) * channels + c) * sampleBytes;
                    sample = sampleBytes == 1 ? uint8_t(raw[at])
                                              : uint8_t(raw[at]) * 256 + uint8_t(raw[at + 1]);
                }
                if (!sample) return std::nullopt;
                sum += *sample;
            }
            image.pixels.push_back(
                uint8_t(std::min<int64_t>(255, sum * 255 / (*maxValue * channels))));
        }
    }
    return image;
}

uint32_t Le(std::string_view file, size_t at, int bytes) {
    uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) value = value << 8 | uint8_t(file[at + i]);
    return value;
}

std::optional<GreyImage> ParseBmp(std::string_view file) {
    if (file.size() < 54) return std::nullopt;
    const uint32_t pixelOffset = Le(file, 10, 4);
    const uint32_t headerSize = Le(file, 14, 4);
    const int64_t width = int32_t(Le(file, 18, 4));
    const int64_t signedHeight = int32_t(Le(file, 22, 4));
    const uint32_t bitsPerPixel = Le(file, 28, 2);
    const uint32_t compression = Le(file, 30, 4);
    const int64_t height = signedHeight < 0 ? -signedHeight : signedHeight;
    if (headerSize < 40 || compression != 0 || !SizeAllowed(width, height)) return std::nullopt;
    if (bitsPerPixel != 1 && bitsPerPixel != 4 && bitsPerPixel != 8 && bitsPerPixel != 24 &&
        bitsPerPixel != 32)
        return std::nullopt;

    const bool paletted = bitsPerPixel <= 8;
    const uint32_t coloursUsed = Le(file, 46, 4);
    const uint64_t colours = paletted ? (coloursUsed ? coloursUsed : 1u << bitsPerPixel) : 0;
    const uint64_t paletteAt = 14 + uint64_t{headerSize};
    const uint64_t rowBytes = (uint64_t(width) * bitsPerPixel + 31) / 32 * 4;
    if (colours > 256 || paletteAt + colours * 4 > file.size() ||
        pixelOffset + rowBytes * uint64_t(height) > file.size())
        return std::nullopt;
    const auto grey = [&](uint64_t at) {
        return uint8_t((uint8_t(file[at]) + uint8_t(file[at + 1]) + uint8_t(file[at + 2])) / 3);
    };

    GreyImage image{int(width), int(height), {}};
    image.pixels.resize(static_cast<size_t>(width * height));
    for (int64_t row = 0; row < height; ++row) {
        const uint64_t rowAt = pixelOffset + rowBytes * uint64_t(row);
        // Rows are stored bottom-up unless the height is negative.
        const int64_t y = signedHeight < 0 ? row : height - 1 - row;
        for (int64_t x = 0; x < width; ++x) {
            uint8_t value;
            if (paletted) {
                const uint64_t bitAt = uint64_t(x) * bitsPerPixel;
                const uint32_t byte = uint8_t(file[rowAt + bitAt / 8]);
                const uint32_t index =
                    (byte >> (8 - bitsPerPixel - bitAt % 8)) & ((1u << bitsPerPixel) - 1);
                if (index >= colours) return std::nullopt;
                value = grey(paletteAt + index * 4);
            } else {
                value = grey(rowAt + uint64_t(x) * (bitsPerPixel / 8));
            }
            image.pixels[static_cast<size_t>(y * width + x)] = value;
        }
    }
    return image;
}

} // namespace

std::optional<GreyImage> ParseImage(std::string_view file) {
    if (file.size() < 2) return std::nullopt;
    if (file[0] == 'P') return ParsePnm(file);
    if (file.starts_with("BM")) return ParseBmp(file);
    return std::nullopt;
}

} // namespace lumetra::tool
