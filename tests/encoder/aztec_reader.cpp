#include "aztec_reader.h"

#include <ZXing/ReadBarcode.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace lumetra::testing {
namespace {

constexpr int kScale = 3;
constexpr int kQuietZone = 4;

std::string HexToBytes(const std::string& hex) {
    std::string bytes;
    if (hex == "-") return bytes;
    for (size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes.push_back(static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16)));
    return bytes;
}

} // namespace

SymbolMatrix::SymbolMatrix(const TAztCoder& coder)
    : width(coder.Width()), height(coder.Height()), bits(coder.Matrix()) {}

bool SymbolMatrix::Dark(int column, int row) const {
    return (bits[static_cast<size_t>(row * ((width + 7) / 8) + column / 8)] >> (7 - column % 8)) &
           1;
}

void SymbolMatrix::Flip(int column, int row) {
    bits[static_cast<size_t>(row * ((width + 7) / 8) + column / 8)] ^=
        static_cast<uint8_t>(0x80 >> (column % 8));
}

Image RenderSymbol(const SymbolMatrix& matrix, int index) {
    const int size = matrix.height;
    const int left = index * (size + 1);
    Image image;
    image.width = image.height = (size + 2 * kQuietZone) * kScale;
    image.pixels.assign(static_cast<size_t>(image.width) * image.height, 255);
    for (int r = 0; r < size; ++r)
        for (int c = 0; c < size; ++c)
            if (matrix.Dark(left + c, r))
                for (int dy = 0; dy < kScale; ++dy)
                    for (int dx = 0; dx < kScale; ++dx)
                        image.pixels[static_cast<size_t>(((r + kQuietZone) * kScale + dy) *
                                                             image.width +
                                                         (c + kQuietZone) * kScale + dx)] = 0;
    return image;
}

Decoded ReadWithZxingCpp(const Image& image) {
    ZXing::DecodeHints hints;
    hints.setFormats(ZXing::BarcodeFormat::Aztec).setIsPure(true).setTryRotate(false);
    const ZXing::ImageView view(image.pixels.data(), image.width, image.height,
                                ZXing::ImageFormat::Lum);
    const ZXing::Result result = ZXing::ReadBarcode(view, hints);
    Decoded decoded;
    decoded.ok = result.isValid();
    decoded.error = result.error().msg();
    decoded.bytes.assign(result.bytes().begin(), result.bytes().end());
    decoded.sequenceIndex = result.sequenceIndex();
    decoded.sequenceSize = result.sequenceSize();
    decoded.sequenceId = result.sequenceId();
    return decoded;
}

std::vector<Decoded> ReadWithZxingWasm(const std::vector<Image>& images) {
    namespace fs = std::filesystem;
    const fs::path dir =
        fs::temp_directory_path() / ("encoder_tests_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    std::string command = std::string(KV_NODE_EXECUTABLE) + " " + KV_WASM_READER_SCRIPT;
    for (size_t i = 0; i < images.size(); ++i) {
        const fs::path file = dir / (std::to_string(i) + ".pgm");
        std::ofstream out(file, std::ios::binary);
        out << "P5 " << images[i].width << ' ' << images[i].height << " 255\n";
        out.write(reinterpret_cast<const char*>(images[i].pixels.data()),
                  static_cast<std::streamsize>(images[i].pixels.size()));
        command += " " + file.string();
    }
    std::vector<Decoded> results;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char line[1 << 16];
        while (std::fgets(line, sizeof line, pipe)) {
            std::istringstream fields(line);
            std::string status, hex, id;
            Decoded decoded;
            fields >> status;
            if (status == "OK") {
                fields >> hex >> decoded.sequenceIndex >> decoded.sequenceSize >> id;
                decoded.ok = true;
                decoded.bytes = HexToBytes(hex);
                decoded.sequenceId = id == "-" ? "" : id;
            } else {
                std::getline(fields, decoded.error);
            }
            results.push_back(decoded);
        }
        ::pclose(pipe);
    }
    fs::remove_all(dir);
    return results;
}

void RoundTrip::Add(const TAztCoder& coder, const std::string& expected, const std::string& label) {
    // zxing-cpp 1.4 also drops a leading 0x1D, taking it for FNC1.
    const bool needsWasm =
        coder.Layers() == 0 || coder.Layers() >= 23 || (!expected.empty() && expected[0] == '\x1d');
    Add(SymbolMatrix(coder), needsWasm, expected, label);
}

void RoundTrip::Add(const SymbolMatrix& matrix, bool needsWasm, const std::string& expected,
                    const std::string& label) {
    if (needsWasm) {
        wasmImages_.push_back(RenderSymbol(matrix));
        wasmExpected_.push_back(expected);
        wasmLabels_.push_back(label);
        return;
    }
    const Decoded decoded = ReadWithZxingCpp(RenderSymbol(matrix));
    EXPECT_TRUE(decoded.ok) << label << ": " << decoded.error;
    EXPECT_EQ(decoded.bytes, expected) << label;
}

void RoundTrip::Check() {
    if (wasmImages_.empty()) return;
    const std::vector<Decoded> decoded = ReadWithZxingWasm(wasmImages_);
    ASSERT_EQ(decoded.size(), wasmImages_.size()) << "zxing-wasm did not answer for every symbol";
    for (size_t i = 0; i < decoded.size(); ++i) {
        EXPECT_TRUE(decoded[i].ok) << wasmLabels_[i] << ": " << decoded[i].error;
        EXPECT_EQ(decoded[i].bytes, wasmExpected_[i]) << wasmLabels_[i];
    }
    wasmImages_.clear();
    wasmExpected_.clear();
    wasmLabels_.clear();
}

} // namespace lumetra::testing
