#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace lumetra {

enum class DecompressStatus {
    kOk,
    // The code ends before the declared number of bytes.
    kTruncated,
    // The code holds more than the declared number of bytes.
    kLengthMismatch,
};

struct DecompressResult {
    DecompressStatus status = DecompressStatus::kOk;
    std::string bytes;
};

// Inverse of Compress. The length in front of a prepared body keeps only its low 16 bits, so the
// decoder stops at the first length with those low bits after which only padding is left.
DecompressResult Decompress(std::string_view code, uint16_t lengthLow16);

} // namespace lumetra
