#pragma once

#include <atomic>
#include <cstdint>
#include <functional>

namespace lumetra {

// Follows a millisecond tick and steps by one while the tick stands still, so that runs within
// the same millisecond still get different seeds. Safe to call from several threads.
class SeedCounter {
public:
    uint32_t Next(uint32_t tick);

private:
    std::atomic<uint32_t> value_{0};
};

// Gives the counter value a scrambling run derives its seed from.
using SeedSource = std::function<uint32_t()>;

// The library's source: one SeedCounter for the whole library, fed by a monotonic millisecond
// clock.
uint32_t ClockSeed();

} // namespace lumetra
