#include "lumetra/message/lzhuf_model.h"

#include <algorithm>

namespace lumetra::lzhuf {

HuffmanTree::HuffmanTree() {
    for (int i = 0; i < kSymbolCount; ++i) {
        freq_[i] = 1;
        son_[i] = static_cast<int16_t>(i + kNodeCount);
        parent_[i + kNodeCount] = static_cast<int16_t>(i);
    }
    for (int i = 0, j = kSymbolCount; j <= kRoot; i += 2, ++j) {
        freq_[j] = static_cast<uint16_t>(freq_[i] + freq_[i + 1]);
        son_[j] = static_cast<int16_t>(i);
        parent_[i] = parent_[i + 1] = static_cast<int16_t>(j);
    }
    freq_[kNodeCount] = 0xFFFF; // sentinel: no node moves past the end
    parent_[kRoot] = 0;
}

HuffmanTree::Code HuffmanTree::CodeOf(int symbol) const {
    // Root weight stays below 2^16, so the sibling property keeps the tree far less than 64 deep.
    Code code;
    for (int node = parent_[symbol + kNodeCount]; node != kRoot; node = parent_[node]) {
        code.bits |= static_cast<uint64_t>(node & 1) << code.length;
        ++code.length;
    }
    return code;
}

void HuffmanTree::Update(int symbol) {
    if (freq_[kRoot] == kMaxFreq) Rebuild();
    int c = parent_[symbol + kNodeCount];
    do {
        const uint16_t k = ++freq_[c];
        if (k > freq_[c + 1]) {
            int l = c + 1;
            while (k > freq_[l + 1]) ++l;
            freq_[c] = freq_[l];
            freq_[l] = k;

            const int i = son_[c];
            parent_[i] = static_cast<int16_t>(l);
            if (i < kNodeCount) parent_[i + 1] = static_cast<int16_t>(l);
            const int j = son_[l];
            son_[l] = static_cast<int16_t>(i);
            parent_[j] = static_cast<int16_t>(c);
            if (j < kNodeCount) parent_[j + 1] = static_cast<int16_t>(c);
            son_[c] = static_cast<int16_t>(j);
            c = l;
        }
        c = parent_[c];
    } while (c != 0);
}

void HuffmanTree::Rebuild() {
    int j = 0;
    for (int i = 0; i < kNodeCount; ++i) {
        if (son_[i] >= kNodeCount) {
            freq_[j] = static_cast<uint16_t>((freq_[i] + 1) / 2);
            son_[j] = son_[i];
            ++j;
        }
    }
    for (int i = 0, node = kSymbolCount; node < kNodeCount; i += 2, ++node) {
        const uint16_t f = static_cast<uint16_t>(freq_[i] + freq_[i + 1]);
        int k = node;
        while (f < freq_[k - 1]) --k;
        std::copy_backward(freq_.begin() + k, freq_.begin() + node, freq_.begin() + node + 1);
        std::copy_backward(son_.begin() + k, son_.begin() + node, son_.begin() + node + 1);
        freq_[k] = f;
        son_[k] = static_cast<int16_t>(i);
    }
    for (int i = 0; i < kNodeCount; ++i) {
        const int k = son_[i];
        parent_[k] = static_cast<int16_t>(i);
        if (k < kNodeCount) parent_[k + 1] = static_cast<int16_t>(i);
    }
}

namespace {

// Number of upper-bit values whose position code has 3, 4, ... 8 bits.
constexpr std::array<int, 6> kCodesPerLength = {1, 3, 8, 12, 24, 16};

struct PositionTables {
    std::array<PositionCode, 64> codes{};
    std::array<uint8_t, 256> upperBitsOfPrefix{};
};

PositionTables BuildPositionTables() {
    PositionTables tables;
    int entry = 0;
    int code = 0;
    for (size_t n = 0; n < kCodesPerLength.size(); ++n) {
        const int length = 3 + static_cast<int>(n);
        for (int i = 0; i < kCodesPerLength[n]; ++i, ++entry) {
            tables.codes[entry] = {length, static_cast<uint8_t>(code)};
            const int span = 1 << (8 - length);
            for (int prefix = code; prefix < code + span; ++prefix) {
                tables.upperBitsOfPrefix[prefix] = static_cast<uint8_t>(entry);
            }
            code += span;
        }
    }
    return tables;
}

const PositionTables& Tables() {
    static const PositionTables tables = BuildPositionTables();
    return tables;
}

} // namespace

PositionCode PositionCodeOf(int upperBits) {
    return Tables().codes[upperBits];
}

int PositionUpperBitsOfPrefix(uint8_t prefix) {
    return Tables().upperBitsOfPrefix[prefix];
}

} // namespace lumetra::lzhuf
