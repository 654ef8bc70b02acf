#pragma once

#include <cstdint>
#include <string>

namespace lumetra {

// Packs bits most significant first into bytes.
class BitWriter {
public:
    // Appends the low `count` bits of `bits` (count <= 57), the highest of them first.
    void Put(uint64_t bits, int count);
    // The bytes written, a last partial byte padded with 0 bits.
    std::string Finish();

private:
    std::string bytes_;
    uint64_t pending_ = 0;
    int pendingCount_ = 0;
};

} // namespace lumetra
