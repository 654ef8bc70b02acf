#pragma once

#include "lumetra/encoder/symbol_table.h"

#include <array>
#include <cstdint>
#include <vector>

// Records TAztCoder keeps while it plans: the input and the optimiser's states.
namespace lumetra {

// The input bytes and the read position (1-based, the next unread byte).
struct TCodeData {
    int32_t length = 0;
    int32_t position = 1;
    std::vector<uint8_t> text;
    // Counting mode only: bits charged to each 1-based position; entry 0 is unused.
    std::vector<uint8_t> costs;
};

// One step of an optimiser path: the previous step, the run of code units it closes and the plan
// items that follow that run (TPlanItems).
struct TTraceEntry {
    int32_t parent = -1;
    int32_t run = 0;
    uint32_t items = 0;
};

// Append-only store of all optimiser paths: a state's path is its last entry and the chain of
// parents, so a transition adds one entry and paths are never copied.
struct TCBufStr {
    std::vector<TTraceEntry> entries;
};

// One optimiser state: the best path that ends in its mode.
struct TEnRec {
    int32_t cost = 0;
    int32_t nextCost = 0;
    int32_t run = 0;
    int32_t nextRun = 0;
    int32_t path = -1; // last trace entry, -1 for the empty path
};

struct TEnTree {
    std::array<TEnRec, kModeCount> states;
    // The mode the decoder returns to after the Binary state's current run.
    TAztMode binaryReturn = kUpper;
    TCBufStr trace;
};

} // namespace lumetra
