#include "lumetra/message/doc_id.h"

namespace lumetra {

namespace {

constexpr uint32_t kPrefixDC = 'D' | ('C' << 8);

char ByteOf(uint32_t value, int index) {
    return static_cast<char>(value >> (8 * index));
}

} // namespace

TDocIdClass::TDocIdClass(std::string_view text) {
    if (text.empty() || text.size() > 4) return;
    const int first = 4 - static_cast<int>(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        value_ |= static_cast<uint32_t>(static_cast<uint8_t>(text[i])) << (8 * (first + i));
    }
}

TDocIdClass TDocIdClass::FromValue(uint32_t value) {
    TDocIdClass id;
    id.value_ = value;
    return id;
}

std::string TDocIdClass::Text() const {
    const uint32_t low = value_ & 0xFFFF;
    if (value_ == 0 || value_ == kPrefixDC) return {};
    if (low != 0 && low != kPrefixDC) {
        return {ByteOf(value_, 0), ByteOf(value_, 1), ByteOf(value_, 2), ByteOf(value_, 3)};
    }
    return {ByteOf(value_, 2), ByteOf(value_, 3)};
}

uint32_t TDocIdClass::WithoutPrefix(uint32_t value) {
    return (value & 0xFFFF) == kPrefixDC ? value & 0xFFFF0000u : value;
}

} // namespace lumetra
