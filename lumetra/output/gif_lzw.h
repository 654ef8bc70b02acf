#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace lumetra {

// GIF's LZW with minimum code size 2: pixel indices 0 to 3 in, the code stream out, packed least
// significant bit first, from the opening clear code to the end code and its last partial byte.
std::vector<std::uint8_t> GifLzwEncode(std::span<const std::uint8_t> indices);

} // namespace lumetra
