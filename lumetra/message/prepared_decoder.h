#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "lumetra/message/doc_id.h"
#include "lumetra/message/field_text.h"

namespace lumetra {

// Results of DecodePrepared; the numbers are the library's result codes whose texts fit.
enum class DecodeStatus : int32_t {
    kOk = 0,
    kLengthMismatch = 13,  // the code holds more than the length in front of it
    kUnknownDocument = 15, // the header names no registered document type
    kBadHeader = 16,       // not "KVT", identifier, "400", "N", TAB, checksum
    kTruncated = 17,       // the body ends early
    kBadFieldText = 21,    // the decoded text is not field text of the document type
    kCrcMismatch = 29,     // the body's CRC-32 differs from the header's
};

struct DecodedMessage {
    DecodeStatus status = DecodeStatus::kOk;
    TDocIdClass id;
    std::string fieldText;        // the field text that was prepared
    std::vector<FieldItem> items; // its items
    std::string message;          // key=value lines that prepare to the same field text
};

// Reads a prepared string of mode "N" back (what a bank does with the scanned bytes): checks the
// header and the CRC-32, unscrambles the body with its own seed, LZHUF-decodes it and parses the
// field text. Accepts any byte string and never reads outside it; on failure only `status` (and
// `id` once the header was read) is set. Throws nothing but std::bad_alloc.
DecodedMessage DecodePrepared(std::string_view prepared);

} // namespace lumetra
