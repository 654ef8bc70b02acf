#pragma once

#include <cstdint>

#include "lumetra/api/lumetra.h"

namespace lumetra {

// Runs the body of an export so that no exception crosses the C boundary: anything thrown
// becomes `failure`.
template <typename Body> int32_t Guarded(Body body, int32_t failure = LUMX_UNKNOWN_ERROR) noexcept {
    try {
        return body();
    } catch (...) {
        return failure;
    }
}

} // namespace lumetra
