#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "lumetra/message/doc_id.h"
#include "lumetra/message/seed_source.h"

namespace lumetra {

// Results of PrepareMessage; the numbers are the library's result codes.
inline constexpr int32_t kPrepareOk = 0;
// The message has no line at all.
inline constexpr int32_t kPrepareNoLine = 13;
// The first line has no header word or names no registered document type.
inline constexpr int32_t kPrepareUnsupportedDocument = 15;
// Anything unexpected (out of memory) while coding.
inline constexpr int32_t kPrepareUnknownError = 26;
// No message: a null pointer or an empty text. Callers holding a C pointer pass an empty view
// for null.
inline constexpr int32_t kPrepareInvalidBuffer = 27;

struct PreparedMessage {
    int32_t result = kPrepareOk;
    TDocIdClass id;    // the identifier named by the header line, also on most failures
    std::string bytes; // empty unless result is kPrepareOk
};

// Checks a message (8-bit text as the caller gave it, Windows-1251 by convention) and codes it:
// the first line "Quillon" or "Ostrel" followed directly by the document identifier, then
// key=value lines; see TStringArray::SplitLines for line ends. With `raw` the result is the
// field text itself, otherwise the prepared string of TMessageCodec, whose scrambling seed comes
// from `seed`. Never throws; any byte string is accepted. Safe to call from several threads at
// once: the registry is read-only and the seed counter atomic.
PreparedMessage PrepareMessage(std::string_view text, bool raw, const SeedSource& seed = ClockSeed);

} // namespace lumetra
