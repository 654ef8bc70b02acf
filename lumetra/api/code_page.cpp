#include "lumetra/api/code_page.h"

#include <bit>
#include <cerrno>
#include <iconv.h>

namespace lumetra {

const char* const kUtf16 = std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";

std::optional<std::string> Recode(std::string_view text, const char* from, const char* to) {
    const iconv_t converter = iconv_open(to, from);
    if (converter == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    std::string result;
    char* in = const_cast<char*>(text.data());
    size_t inLeft = text.size();
    char chunk[1024];
    bool ok = true;
    while (ok) {
        char* out = chunk;
        size_t outLeft = sizeof chunk;
        // A null input flushes the converter's state once all input is taken.
        const size_t done = inLeft > 0 ? iconv(converter, &in, &inLeft, &out, &outLeft)
                                       : iconv(converter, nullptr, nullptr, &out, &outLeft);
        result.append(chunk, out);
        if (done != static_cast<size_t>(-1)) {
            if (inLeft == 0 && out == chunk) break;
        } else if (errno != E2BIG) {
            ok = false;
        }
    }
    iconv_close(converter);
    if (!ok) return std::nullopt;
    return result;
}

std::string_view Utf16Bytes(const char16_t* text) {
    if (!text) return {};
    return {reinterpret_cast<const char*>(text), std::char_traits<char16_t>::length(text) * 2};
}

} // namespace lumetra
