#include "lumetra/encoder/rune_value.h"

#include <limits>

namespace lumetra {

int32_t RuneValue(std::span<const uint8_t> text) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    int64_t base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' &&
               (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    // Decimal must fit a signed 32-bit value, hexadecimal may use all 32 bits.
    const int64_t most = base == 10 ? int64_t{std::numeric_limits<int32_t>::max()} + negative
                                    : int64_t{std::numeric_limits<uint32_t>::max()};
    if (i == text.size()) return 0;
    int64_t value = 0;
    for (; i < text.size(); ++i) {
        const uint8_t c = text[i];
        int64_t digit;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (base == 16 && (c | 0x20) >= 'a' && (c | 0x20) <= 'f') {
            digit = (c | 0x20) - 'a' + 10;
        } else {
            return 0;
        }
        value = value * base + digit;
        if (value > most) return 0;
    }
    const int64_t low = (negative ? -value : value) % 256;
    return static_cast<int32_t>(low < 0 ? low + 256 : low);
}

} // namespace lumetra
