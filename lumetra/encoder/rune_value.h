#pragma once

#include <cstdint>
#include <span>

namespace lumetra {

// The byte an Aztec rune carries for `text`: the text read as a 32-bit integer (optional blanks
// and sign, then decimal digits, or hexadecimal digits after "$" or "0x"), 0 when the text is not
// wholly such a number, taken modulo 256 as unsigned, so that -1 gives 255.
int32_t RuneValue(std::span<const uint8_t> text);

} // namespace lumetra
