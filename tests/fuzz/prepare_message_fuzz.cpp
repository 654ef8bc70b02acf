// Any byte string goes through PrepareMessage; what it prepares decodes to its field text.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "lumetra/message/prepare_message.h"
#include "lumetra/message/prepared_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace lumetra;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const PreparedMessage raw = PrepareMessage(text, true);
    const PreparedMessage prepared = PrepareMessage(text, false, [] { return 77u; });
    if (raw.result != prepared.result) __builtin_trap();
    switch (raw.result) {
    case kPrepareOk: {
        const DecodedMessage decoded = DecodePrepared(prepared.bytes);
        if (decoded.status != DecodeStatus::kOk || decoded.fieldText != raw.bytes) __builtin_trap();
        break;
    }
    case kPrepareNoLine:
    case kPrepareUnsupportedDocument:
    case kPrepareInvalidBuffer:
        if (!raw.bytes.empty() || !prepared.bytes.empty()) __builtin_trap();
        break;
    default:
        __builtin_trap();
    }
    return 0;
}
