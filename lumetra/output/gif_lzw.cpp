#include "lumetra/output/gif_lzw.h"

#include <array>
#include <utility>

namespace lumetra {
namespace {

constexpr int kClearCode = 4;
constexpr int kEndCode = 5;
constexpr int kFirstFreeCode = 6;
constexpr int kFirstWidth = 3;
constexpr int kMaxWidth = 12;
constexpr int kCodeLimit = 1 << kMaxWidth;

class CodePacker {
public:
    void Put(int code, int width) {
        pending_ |= std::uint32_t(code) << pendingBits_;
        for (pendingBits_ += width; pendingBits_ >= 8; pendingBits_ -= 8) {
            bytes_.push_back(std::uint8_t(pending_));
            pending_ >>= 8;
        }
    }
    std::vector<std::uint8_t> Finish() {
        if (pendingBits_ > 0) bytes_.push_back(std::uint8_t(pending_));
        return std::move(bytes_);
    }

private:
    std::vector<std::uint8_t> bytes_;
    std::uint32_t pending_ = 0;
    int pendingBits_ = 0;
};

// The string table: for each code, the code of that string followed by each index (0 = none).
class StringTable {
public:
    void Reset() {
        for (auto& next : next_) next.fill(0);
        free_ = kFirstFreeCode;
    }
    int Find(int prefix, std::uint8_t index) const { return next_[prefix][index]; }
    bool Full() const { return free_ == kCodeLimit; }
    int FreeCode() const { return free_; }
    void Add(int prefix, std::uint8_t index) { next_[prefix][index] = std::uint16_t(free_++); }

private:
    std::vector<std::array<std::uint16_t, 4>> next_ =
        std::vector<std::array<std::uint16_t, 4>>(kCodeLimit);
    int free_ = kFirstFreeCode;
};

} // namespace

std::vector<std::uint8_t> GifLzwEncode(std::span<const std::uint8_t> indices) {
    CodePacker packer;
    StringTable table;
    int width = kFirstWidth;
    packer.Put(kClearCode, width);
    if (indices.empty()) {
        packer.Put(kEndCode, width);
        return packer.Finish();
    }
    // A reader adds each string one code later than we do, so it widens its codes one code
    // later too: the width grows after the code that follows the assignment of 2^n - 1.
    const auto emit = [&](int code) {
        packer.Put(code, width);
        if (table.FreeCode() == (1 << width) && width < kMaxWidth) ++width;
    };
    int prefix = indices[0] & 3;
    for (const std::uint8_t pixel : indices.subspan(1)) {
        const std::uint8_t index = pixel & 3;
        if (const int code = table.Find(prefix, index)) {
            prefix = code;
            continue;
        }
        emit(prefix);
        if (table.Full()) {
            packer.Put(kClearCode, width);
            table.Reset();
            width = kFirstWidth;
        } else {
            table.Add(prefix, index);
        }
        prefix = index;
    }
    emit(prefix);
    packer.Put(kEndCode, width);
    return packer.Finish();
}

} // namespace lumetra
