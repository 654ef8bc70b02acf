#pragma once

#include "lumetra/encoder/symbol_table.h"

#include <array>
#include <cstdint>
#include <initializer_list>

// Mode switching of ISO/IEC 24778 as the optimiser and the emitter share it.
namespace lumetra {

// Plan items: a run of code units (followed by its 16-bit little-endian length), a latch to a
// mode (mode + 1), Binary Shift, or a shift of the next symbol into Upper or Punct.
inline constexpr uint8_t kItemRun = 0;
inline constexpr uint8_t kItemBinaryShift = 6;
inline constexpr uint8_t kItemUpperShift = 7;
inline constexpr uint8_t kItemPunctShift = 8;
inline constexpr int32_t kItemCount = 9;
constexpr uint8_t LatchItem(TAztMode mode) {
    return static_cast<uint8_t>(mode + 1);
}

inline constexpr std::array<int32_t, kModeCount> kCodeWidth = {5, 5, 5, 5, 4, 8};
inline constexpr int32_t kBinaryShortLength = 31;
inline constexpr int32_t kBinaryMaxRun = 31 + 2047;

// Code of a plan item in each current mode: -1 the mode has no such command, -2 silent (the end
// of a binary run, after which the decoder is back in the mode Binary Shift was given from).
inline constexpr int32_t kNoCommand = -1;
inline constexpr int32_t kSilent = -2;
inline constexpr std::array<std::array<int32_t, kModeCount>, kItemCount> kCommandCode = {{
    {-1, -1, -1, -1, -1, -1}, // run (not a command)
    {-1, -1, 29, 31, 14, -2}, // latch Upper
    {28, -1, 28, -1, -1, -2}, // latch Lower
    {29, 29, -1, -1, -1, -2}, // latch Mixed
    {-1, -1, 30, -1, -1, -1}, // latch Punct
    {30, 30, -1, -1, -1, -1}, // latch Digit
    {31, 31, 31, -1, -1, -1}, // Binary Shift
    {-1, 28, -1, -1, 15, -1}, // Upper Shift
    {0, 0, 0, -1, 0, -1},     // Punct Shift
}};

// Up to three plan items in one word, the first in the low byte, their count in the high byte.
struct TPlanItems {
    uint32_t packed = 0;

    constexpr void Add(uint8_t item) {
        const uint32_t count = packed >> 24;
        packed = ((count + 1) << 24) | (packed & 0xFFFFFF) | (uint32_t{item} << (8 * count));
    }
    static constexpr int32_t Count(uint32_t packed) { return static_cast<int32_t>(packed >> 24); }
    static constexpr uint8_t Item(uint32_t packed, int32_t i) {
        return static_cast<uint8_t>(packed >> (8 * i));
    }
};

constexpr uint32_t PackItems(std::initializer_list<uint8_t> items) {
    TPlanItems packed;
    for (uint8_t item : items) packed.Add(item);
    return packed.packed;
}

// Shortest latch sequences between modes, as plan items.
struct TLatch {
    uint32_t items = 0;
    int32_t cost = 0;
};

constexpr TLatch MakeLatch(TAztMode from, TAztMode to) {
    constexpr std::array<std::array<std::array<int, 3>, kModeCount>, kModeCount> sequences = {{
        {{{0}, {2}, {3}, {3, 4}, {5}, {6}}},
        {{{5, 1}, {0}, {3}, {3, 4}, {5}, {6}}},
        {{{1}, {2}, {0}, {4}, {1, 5}, {6}}},
        {{{1}, {1, 2}, {1, 3}, {0}, {1, 5}, {1, 6}}},
        {{{1}, {1, 2}, {1, 3}, {1, 3, 4}, {0}, {1, 6}}},
        {{{0}, {0}, {0}, {0}, {0}, {0}}},
    }};
    TLatch latch;
    TPlanItems items;
    int mode = from;
    for (int item : sequences[from][to]) {
        if (item == 0) break;
        items.Add(static_cast<uint8_t>(item));
        latch.cost += kCodeWidth[mode];
        mode = item == kItemBinaryShift ? kBinary : item - 1;
    }
    if (to == kBinary) latch.cost += 5; // the short run length
    latch.items = items.packed;
    return latch;
}

constexpr std::array<std::array<TLatch, kModeCount>, kModeCount> MakeLatchTable() {
    std::array<std::array<TLatch, kModeCount>, kModeCount> table{};
    for (int from = 0; from < kModeCount; ++from)
        for (int to = 0; to < kModeCount; ++to)
            table[from][to] = MakeLatch(static_cast<TAztMode>(from), static_cast<TAztMode>(to));
    return table;
}

inline constexpr auto kLatch = MakeLatchTable();

// The mode the decoder is in after a binary run begun from `from`.
constexpr TAztMode BinaryReturnMode(TAztMode from) {
    return from == kLower ? kLower : from == kMixed ? kMixed : kUpper;
}

} // namespace lumetra
