// The decoder survives any byte string: as a whole prepared string, and as a body behind a valid
// header and checksum, so that unscrambling, LZHUF decoding and field text parsing are reached.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "lumetra/message/crc32.h"
#include "lumetra/message/prepared_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace lumetra;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    DecodePrepared(bytes);

    std::string prepared = "KVT13400N\t";
    const uint32_t crc = Crc32(bytes);
    for (int i = 0; i < 4; ++i) prepared.push_back(static_cast<char>(crc >> (8 * i)));
    prepared += bytes;
    const DecodedMessage decoded = DecodePrepared(prepared);
    if (decoded.status == DecodeStatus::kCrcMismatch) __builtin_trap();
    return 0;
}
