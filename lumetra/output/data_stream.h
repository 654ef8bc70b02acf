#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace lumetra {

// A growable byte buffer that the writers build a file image in. Writes go to the current
// position and extend the size as needed; moving the position back rewrites a header in place.
// Numbers are written little-endian. The capacity grows in whole blocks.
class TDataStream {
public:
    explicit TDataStream(std::size_t block = 256);

    void Write(std::span<const std::uint8_t> bytes);
    void Write(std::string_view text);
    void WriteU8(std::uint8_t value);
    void WriteU16(std::uint16_t value);
    void WriteU32(std::uint32_t value);
    void WriteI16(std::int16_t value) { WriteU16(static_cast<std::uint16_t>(value)); }
    void WriteI32(std::int32_t value) { WriteU32(static_cast<std::uint32_t>(value)); }

    // Offset of the next write from the start; SetPosition stops at the end of the data.
    std::size_t Position() const { return position_; }
    void SetPosition(std::size_t position);

    std::size_t Size() const { return data_.size(); }
    std::size_t Capacity() const { return data_.capacity(); }
    std::span<const std::uint8_t> Bytes() const { return data_; }
    void Clear();

private:
    std::size_t block_;
    std::vector<std::uint8_t> data_;
    std::size_t position_ = 0;
};

} // namespace lumetra
