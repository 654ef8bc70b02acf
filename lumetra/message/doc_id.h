#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace lumetra {

// Document identifier of 1 to 4 characters, held right-aligned in the bytes of a little-endian
// 32-bit value. A leading "DC" is a prefix that does not count: "DC13" is the same as "13".
class TDocIdClass {
public:
    TDocIdClass() = default;
    // Texts of 0 or more than 4 characters give the value 0, which names no document.
    explicit TDocIdClass(std::string_view text);
    static TDocIdClass FromValue(uint32_t value);

    uint32_t value() const { return value_; }
    // The form written into a prepared string: two bytes, or four when the first two matter;
    // empty for 0 and for "DC" alone.
    std::string Text() const;

    friend bool operator==(TDocIdClass a, TDocIdClass b) {
        return WithoutPrefix(a.value_) == WithoutPrefix(b.value_);
    }

private:
    static uint32_t WithoutPrefix(uint32_t value);

    uint32_t value_ = 0;
};

} // namespace lumetra
