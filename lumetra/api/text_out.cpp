#include "lumetra/api/text_out.h"

#include "lumetra/api/lumetra.h"

#include <cstring>

namespace lumetra {

int32_t CopyTextOut(std::string_view text, int32_t bufSize, void* buffer,
                    int32_t* length) noexcept {
    const auto size = static_cast<int32_t>(text.size());
    if (length) *length = size;
    if (!buffer || bufSize < size) return LUMX_BUFFER_TOO_SMALL;
    std::memset(buffer, 0, static_cast<size_t>(bufSize));
    std::memcpy(buffer, text.data(), text.size());
    return LUMX_OK;
}

} // namespace lumetra
