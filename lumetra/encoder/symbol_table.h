#pragma once

#include <array>
#include <cstdint>

namespace lumetra {

// Encoding modes, in the order the plan commands and the tables use.
enum TAztMode : int32_t { kUpper, kLower, kMixed, kPunct, kDigit, kBinary, kModeCount };

// Input symbols: the bytes 0-255 and four pairs that Punct (and partly Mixed or Digit) write as
// one.
inline constexpr int32_t kPairCrLf = 256;
inline constexpr int32_t kPairDotSpace = 257;
inline constexpr int32_t kPairCommaSpace = 258;
inline constexpr int32_t kPairColonSpace = 259;
inline constexpr int32_t kSymbolCount = 260;
inline constexpr int32_t kEndOfInput = -1;

// Which modes the optimiser needs to look at for a symbol.
enum TSymbolClass : uint8_t {
    kClassLower = 1,  // a Lower code only
    kClassMixed = 2,  // a Mixed code only among the text modes
    kClassDigit = 4,  // a Digit code only among the text modes
    kClassBinary = 5, // no text-mode code
    kClassAny = 9,    // anything else
};

// Codes of one input symbol in each mode: how many (0, 1 or 2) and their values.
struct TSymbolCodes {
    std::array<uint8_t, kModeCount> count{};
    std::array<std::array<uint8_t, 2>, kModeCount> code{};
    TSymbolClass symbolClass = kClassBinary;
};

using TSymbolTable = std::array<TSymbolCodes, kSymbolCount>;

// The character-set table of ISO/IEC 24778, built at compile time.
const TSymbolTable& AztSymbolTable();

// The second byte that makes a pair with `first`, or -1.
constexpr int32_t PairSecondByte(uint8_t first) {
    return first == 13 ? 10 : (first == '.' || first == ',' || first == ':') ? ' ' : -1;
}

constexpr int32_t PairSymbol(uint8_t first) {
    switch (first) {
    case 13:
        return kPairCrLf;
    case '.':
        return kPairDotSpace;
    case ',':
        return kPairCommaSpace;
    default:
        return kPairColonSpace;
    }
}

} // namespace lumetra
