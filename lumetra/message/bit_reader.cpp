#include "lumetra/message/bit_reader.h"

namespace lumetra {

int BitReader::BitAt(size_t bit) const {
    return (static_cast<uint8_t>(bytes_[bit / 8]) >> (7 - bit % 8)) & 1;
}

std::optional<uint32_t> BitReader::Get(int count) {
    if (static_cast<size_t>(count) > Remaining()) return std::nullopt;
    uint32_t value = 0;
    for (int i = 0; i < count; ++i) value = (value << 1) | BitAt(position_++);
    return value;
}

bool BitReader::AtPadding() const {
    if (Remaining() >= 8) return false;
    for (size_t bit = position_; bit < bytes_.size() * 8; ++bit) {
        if (BitAt(bit) != 0) return false;
    }
    return true;
}

} // namespace lumetra
