#include "lumetra/output/data_stream.h"

#include <algorithm>

namespace lumetra {

TDataStream::TDataStream(std::size_t block) : block_(std::max<std::size_t>(block, 1)) {}

void TDataStream::Write(std::span<const std::uint8_t> bytes) {
    const std::size_t end = position_ + bytes.size();
    if (end > data_.size()) {
        // Doubling keeps large images linear; rounding keeps the capacity in whole blocks.
        if (end > data_.capacity()) {
            const std::size_t wanted = std::max(end, 2 * data_.capacity());
            data_.reserve((wanted + block_ - 1) / block_ * block_);
        }
        data_.resize(end);
    }
    std::copy(bytes.begin(), bytes.end(), data_.begin() + position_);
    position_ = end;
}

void TDataStream::Write(std::string_view text) {
    Write(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

void TDataStream::WriteU8(std::uint8_t value) {
    Write(std::span(&value, 1));
}

void TDataStream::WriteU16(std::uint16_t value) {
    const std::uint8_t bytes[] = {std::uint8_t(value), std::uint8_t(value >> 8)};
    Write(bytes);
}

void TDataStream::WriteU32(std::uint32_t value) {
    const std::uint8_t bytes[] = {std::uint8_t(value), std::uint8_t(value >> 8),
                                  std::uint8_t(value >> 16), std::uint8_t(value >> 24)};
    Write(bytes);
}

void TDataStream::SetPosition(std::size_t position) {
    position_ = std::min(position, data_.size());
}

void TDataStream::Clear() {
    data_.clear();
    position_ = 0;
}

} // namespace lumetra
