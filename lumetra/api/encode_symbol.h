#pragma once

#include <cstdint>
#include <string_view>

#include "lumetra/output/module_matrix.h"

namespace lumetra {

struct EncodedSymbol {
    int32_t result = 0;  // 0, or the code of the message coder or the encoder
    ModuleMatrix matrix; // valid when result is 0
};

// The way from a message to its symbol that every encoding export shares: prepares the message
// (8-bit text as the caller gave it; empty for a null pointer), encodes it with the size mode and
// the number of symbols (0 taken as 1, at most 26; several get a random message ID) and turns the
// matrix 90 degrees clockwise when `rotate` says so.
EncodedSymbol EncodeSymbol(std::string_view message, int32_t sizeMode, int32_t symbolCount,
                           bool rotate);

// The message behind a caller's pointer.
inline std::string_view MessageText(const char* message) {
    return message ? std::string_view(message) : std::string_view();
}

} // namespace lumetra
