#pragma once

#include <array>
#include <cstdint>

#include "lumetra/message/lzhuf_model.h"

namespace lumetra::lzhuf {

// The compressor's ring with one binary search tree per first byte over the strings of kMaxMatch
// bytes that start at each ring position, so the longest earlier match is found without scanning.
class MatchTrees {
public:
    MatchTrees();

    // Ring plus a mirror of its first kMaxMatch - 1 bytes, so a string never wraps.
    uint8_t At(int pos) const { return ring_[pos]; }
    void Store(int pos, uint8_t byte);

    // Inserts the string at `r`; leaves the longest match among the earlier strings and its
    // position (distance - 1), the nearest one among equally long matches.
    void Insert(int r);
    void Delete(int p);

    int matchLength() const { return matchLength_; }
    int matchPosition() const { return matchPosition_; }

private:
    static constexpr int kNone = kRingSize;
    static constexpr int kFirstRoot = kRingSize + 1; // roots of the 256 trees follow the ring

    void ReplaceChild(int parent, int from, int to);

    std::array<uint8_t, kRingSize + kMaxMatch - 1> ring_{};
    std::array<int16_t, kRingSize + 1> parent_{};
    std::array<int16_t, kRingSize + 1> left_{};
    std::array<int16_t, kRingSize + 257> right_{};
    int matchLength_ = 0;
    int matchPosition_ = 0;
};

} // namespace lumetra::lzhuf
