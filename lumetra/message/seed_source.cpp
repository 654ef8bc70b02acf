#include "lumetra/message/seed_source.h"

#include <chrono>

namespace lumetra {

uint32_t SeedCounter::Next(uint32_t tick) {
    uint32_t current = value_.load();
    uint32_t next;
    do {
        next = tick > current ? tick : current + 1;
    } while (!value_.compare_exchange_weak(current, next));
    return next;
}

uint32_t ClockSeed() {
    static SeedCounter counter;
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    // A 32-bit tick wraps like the system tick count; the counter rule copes with that.
    const auto tick =
        static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
    return counter.Next(tick);
}

} // namespace lumetra
