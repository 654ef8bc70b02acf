#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace lumetra {

// Upper-mode codes that open every symbol of a structured append: M/L, U/L, the ID between spaces
// when there is one, then the symbol's position and the symbol count as letters (A = first).
// The position is the second-to-last entry; the header is built for position A.
std::vector<uint8_t> StructuredAppendHeader(int32_t symbolCount,
                                            std::span<const uint8_t> messageId);

} // namespace lumetra
