#pragma once

#include <cstdint>

// Result codes of TAztCoder::Encode; the numbers are the library's result codes, whose texts the
// library's error table holds.
namespace lumetra {

inline constexpr int32_t kAztOk = 0;
// The data words of a symbol leave no room for a check word.
inline constexpr int32_t kAztUnknownError = 26;
// More symbols were asked for than the data can fill: one would carry no data, and no reader
// accepts such a symbol.
inline constexpr int32_t kAztBadParameters = 25;
// No symbol of the requested kind can hold the data, or the size mode is not one of the table.
inline constexpr int32_t kAztTooMuchData = 28;
// The input is empty: there is nothing a symbol could carry.
inline constexpr int32_t kAztNoData = 30;

} // namespace lumetra
