#pragma once

#include "lumetra/encoder/tazt_coder.h"

#include <cstdint>
#include <gtest/gtest.h>

#include <string>
#include <vector>

// Reads back what TAztCoder drew, with real decoders: zxing-cpp 1.4 in process and zxing-wasm
// (zxing-cpp 3.x) under node for what 1.4 cannot read.
namespace lumetra::testing {

struct Decoded {
    bool ok = false;
    std::string bytes;
    int sequenceIndex = -1;
    int sequenceSize = -1;
    std::string sequenceId;
    std::string error;
};

// One symbol of a matrix as an 8-bit grey image with a quiet zone.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels;
};

// A copy of the coder's module matrix that tests may damage.
struct SymbolMatrix {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> bits;

    explicit SymbolMatrix(const TAztCoder& coder);
    bool Dark(int column, int row) const;
    void Flip(int column, int row);
    // Symbols side by side, each Height() wide with one light column between them.
    int SymbolCount() const { return (width + 1) / (height + 1); }
};

// Symbol `index` (0-based, left to right), three pixels per module.
Image RenderSymbol(const SymbolMatrix& matrix, int index = 0);

Decoded ReadWithZxingCpp(const Image& image);
// One node run for the whole batch.
std::vector<Decoded> ReadWithZxingWasm(const std::vector<Image>& images);

// Checks that symbols decode to what was encoded, byte for byte. zxing-cpp 1.4 reads what it can
// right away; runes, 12-bit-word symbols (23-32 layers, whose padding 1.4 misreads) and data that
// starts with 0x1D (which 1.4 drops as FNC1) go to zxing-wasm in one batch when Check() runs.
class RoundTrip {
public:
    // The single symbol the coder holds.
    void Add(const TAztCoder& coder, const std::string& expected, const std::string& label);
    void Add(const SymbolMatrix& matrix, bool needsWasm, const std::string& expected,
             const std::string& label);
    void Check();
    int WasmCount() const { return static_cast<int>(wasmImages_.size()); }

private:
    std::vector<Image> wasmImages_;
    std::vector<std::string> wasmExpected_;
    std::vector<std::string> wasmLabels_;
};

} // namespace lumetra::testing
