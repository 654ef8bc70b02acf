#pragma once

#include <cstdint>
#include <string_view>

namespace lumetra {

// Hands a text to a caller's buffer: `*length` (when given) receives its byte count without a
// terminator. A buffer of at least that many bytes is zero-filled over `bufSize` bytes and gets
// the text at its start (result 0), so the terminator is there only when the buffer is larger;
// a null or smaller buffer is left untouched (result 10). Callers ask for the length with a null
// buffer first.
int32_t CopyTextOut(std::string_view text, int32_t bufSize, void* buffer, int32_t* length) noexcept;

} // namespace lumetra
