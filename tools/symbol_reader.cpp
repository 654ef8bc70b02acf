#include "tools/symbol_reader.h"

#include <ZXing/ReadBarcode.h>

#include <algorithm>
#include <map>
#include <vector>

namespace lumetra::tool {
namespace {

constexpr int32_t kNotRead = 12;
constexpr int32_t kIncomplete = 17;
constexpr char kGroupSeparator = '\x1D';

struct Piece {
    int x = 0;
    int y = 0;
    int side = 0;
};

// The library draws N square symbols of `side` pixels in a row, one module apart. Finds N and
// the module from the image's length; one piece (the whole image) when no such row fits.
std::vector<Piece> SplitSymbols(const GreyImage& image) {
    const bool across = image.width >= image.height;
    const int side = std::min(image.width, image.height);
    const int length = std::max(image.width, image.height);
    for (int count = 2; count <= 26 && int64_t{count} * side < length; ++count) {
        const int rest = length - count * side;
        if (rest % (count - 1) != 0 || side % (rest / (count - 1)) != 0) continue;
        const int gap = rest / (count - 1);
        std::vector<Piece> pieces;
        for (int i = 0; i < count; ++i) {
            const int offset = i * (side + gap);
            pieces.push_back(across ? Piece{offset, 0, side} : Piece{0, offset, side});
        }
        return pieces;
    }
    return {{0, 0, std::max(image.width, image.height)}};
}

// The piece on white with a quiet zone around it, as a reader expects.
GreyImage WithQuietZone(const GreyImage& image, const Piece& piece) {
    const int width = std::min(piece.side, image.width - piece.x);
    const int height = std::min(piece.side, image.height - piece.y);
    const int margin = std::max(8, std::max(width, height) / 4);
    GreyImage framed{width + 2 * margin, height + 2 * margin, {}};
    framed.pixels.assign(static_cast<size_t>(framed.width) * framed.height, 255);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            framed.pixels[static_cast<size_t>(y + margin) * framed.width + x + margin] =
                image.At(piece.x + x, piece.y + y);
    return framed;
}

ZXing::Result ReadOne(const GreyImage& image) {
    const ZXing::ImageView view(image.pixels.data(), image.width, image.height,
                                ZXing::ImageFormat::Lum);
    ZXing::DecodeHints hints;
    hints.setFormats(ZXing::BarcodeFormat::Aztec).setIsPure(true);
    ZXing::Result result = ZXing::ReadBarcode(view, hints);
    if (result.isValid()) return result;
    hints.setIsPure(false).setTryHarder(true);
    return ZXing::ReadBarcode(view, hints);
}

} // namespace

SymbolBytes ReadSymbols(const GreyImage& image) {
    std::map<int, std::string> parts;
    int expected = 1;
    for (const Piece& piece : SplitSymbols(image)) {
        const ZXing::Result result = ReadOne(WithQuietZone(image, piece));
        if (!result.isValid()) return {kNotRead, {}};
        expected = std::max(expected, result.sequenceSize());
        std::string& part = parts[std::max(0, result.sequenceIndex())];
        part.assign(result.bytes().begin(), result.bytes().end());
        // zxing-cpp 1.4 takes a GS byte at the start of a symbol for an FNC1 and drops it; the
        // library's data never uses FNC1, so the byte goes back.
        if (result.contentType() == ZXing::ContentType::GS1) part.insert(0, 1, kGroupSeparator);
    }
    if (int(parts.size()) != expected || parts.rbegin()->first != expected - 1)
        return {kIncomplete, {}};
    SymbolBytes read;
    for (const auto& [index, bytes] : parts) read.bytes += bytes;
    return read;
}

} // namespace lumetra::tool
