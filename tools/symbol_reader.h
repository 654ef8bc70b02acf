#pragma once

#include <cstdint>
#include <string>

#include "tools/grey_image.h"

namespace lumetra::tool {

struct SymbolBytes {
    int32_t result = 0; // 0, 12 (no symbol read) or 17 (symbols of the set missing)
    std::string bytes;  // the bytes of all symbols, in sequence order
};

// Reads the Aztec symbol, or the structured append of symbols side by side (or stacked, when
// turned) exactly as the library draws them, from an image without a quiet zone.
SymbolBytes ReadSymbols(const GreyImage& image);

} // namespace lumetra::tool
