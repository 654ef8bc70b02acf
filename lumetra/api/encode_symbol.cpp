#include "lumetra/api/encode_symbol.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <string>

#include "lumetra/encoder/tazt_coder.h"
#include "lumetra/message/prepare_message.h"
#include "lumetra/output/rotate.h"

namespace lumetra {
namespace {

// The C generator supplies message IDs here and unique file names in the writers; like the
// library it is seeded once, when the library is loaded.
[[maybe_unused]] const bool kGeneratorSeeded =
    (std::srand(static_cast<unsigned>(std::time(nullptr))), true);

} // namespace

EncodedSymbol EncodeSymbol(std::string_view message, int32_t sizeMode, int32_t symbolCount,
                           bool rotate) {
    const PreparedMessage prepared = PrepareMessage(message, false);
    if (prepared.result != kPrepareOk) return {prepared.result, {}};

    TAztCoder coder;
    coder.SetData(prepared.bytes);
    coder.SetSymbolCount(symbolCount);
    coder.SetSizeMode(sizeMode);
    if (std::clamp(symbolCount, 1, 26) > 1) coder.SetMessageId(std::to_string(std::rand() % 99));
    const int32_t result = coder.Encode();
    if (result != 0) return {result, {}};

    ModuleMatrix matrix{coder.Width(), coder.Height(), coder.Matrix()};
    return {0, rotate ? Rotate(matrix) : std::move(matrix)};
}

} // namespace lumetra
