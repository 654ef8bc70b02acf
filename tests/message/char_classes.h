#pragma once

#include <array>
#include <cstdint>

namespace lumetra::testing_support {

// The scrambler's character class of a byte (1 to 11), written out by ranges, independent of the
// library's tables.
int ClassOf(uint8_t byte);

// The inverse of the scrambler's permutation, built from its list of exchanges.
std::array<uint8_t, 256> InversePermutation();

} // namespace lumetra::testing_support
