#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace lumetra {

// Class-preserving scrambling: each byte is first permuted, then replaced by another member of
// the character class (letters, digits, punctuation, ...) it falls into, chosen by a generator
// seeded from `counter`. The result is the 4 seed bytes (each 1..255) followed by the scrambled
// bytes.
std::string Scramble(std::string_view bytes, uint32_t counter);

// Inverse of Scramble; `body` starts with the 4 seed bytes. Any body of at least 4 bytes is
// accepted: every byte value belongs to a class.
std::string Unscramble(std::string_view body);

} // namespace lumetra
