#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace lumetra {

// Reads bits most significant first from a byte string; never past its end.
class BitReader {
public:
    explicit BitReader(std::string_view bytes) : bytes_(bytes) {}

    // The next `count` bits (count <= 32), or nothing when fewer remain.
    std::optional<uint32_t> Get(int count);
    // True when what is left is a last byte's padding: fewer than 8 bits, all 0.
    bool AtPadding() const;

private:
    size_t Remaining() const { return bytes_.size() * 8 - position_; }
    int BitAt(size_t bit) const;

    std::string_view bytes_;
    size_t position_ = 0;
};

} // namespace lumetra
