#pragma once

#include <array>
#include <cstdint>

// The LZHUF model that compressor and decompressor must share exactly: ring geometry, the
// adaptive Huffman tree of literals and match lengths, and the fixed code of match positions.
namespace lumetra::lzhuf {

inline constexpr int kRingSize = 4096;   // N
inline constexpr int kMaxMatch = 60;     // F
inline constexpr int kThreshold = 2;     // longer matches than this are coded as matches
inline constexpr int kSymbolCount = 314; // N_CHAR: 256 literals, lengths 3..60
inline constexpr int kNodeCount = 627;   // T
inline constexpr int kRoot = 626;        // R
inline constexpr int kMaxFreq = 0x8000;  // the tree is rebuilt at this root frequency
inline constexpr int kRingStart = kRingSize - kMaxMatch;       // r at the start; below it spaces
inline constexpr int kFirstMatchSymbol = 256 - 1 - kThreshold; // symbol = this + match length

// Adaptive Huffman tree with the sibling property: nodes sorted by frequency, brothers side by
// side. Leaves are the son values >= kNodeCount.
class HuffmanTree {
public:
    HuffmanTree();

    // Bits of the code of `symbol`, root side first, as the low `length` bits of `bits`.
    struct Code {
        uint64_t bits = 0;
        int length = 0;
    };
    Code CodeOf(int symbol) const;

    // Decoding walk: the root's first son, then Son(node + bit) until a leaf.
    int FirstSonOfRoot() const { return son_[kRoot]; }
    int Son(int node) const { return son_[node]; }

    // Counts one more `symbol`, rebuilding first when the root is full.
    void Update(int symbol);

private:
    void Rebuild();

    std::array<uint16_t, kNodeCount + 1> freq_{};
    std::array<int16_t, kNodeCount> son_{};
    std::array<int16_t, kNodeCount + kSymbolCount> parent_{};
};

// Code of the upper 6 bits of a match position: length in bits and the code left-aligned in a
// byte.
struct PositionCode {
    int length = 0;
    uint8_t code = 0;
};
PositionCode PositionCodeOf(int upperBits);
// Which upper 6 bits an 8-bit prefix of a position code stands for.
int PositionUpperBitsOfPrefix(uint8_t prefix);

} // namespace lumetra::lzhuf
