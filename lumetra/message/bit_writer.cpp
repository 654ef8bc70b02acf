#include "lumetra/message/bit_writer.h"

#include <utility>

namespace lumetra {

void BitWriter::Put(uint64_t bits, int count) {
    pending_ = (pending_ << count) | (bits & ((uint64_t{1} << count) - 1));
    pendingCount_ += count;
    while (pendingCount_ >= 8) {
        pendingCount_ -= 8;
        bytes_.push_back(static_cast<char>(pending_ >> pendingCount_));
    }
}

std::string BitWriter::Finish() {
    if (pendingCount_ > 0) Put(0, 8 - pendingCount_);
    return std::move(bytes_);
}

} // namespace lumetra
