#include "lumetra/message/lzhuf_decompress.h"

#include <array>
#include <memory>
#include <optional>

#include "lumetra/message/bit_reader.h"
#include "lumetra/message/lzhuf_model.h"

namespace lumetra {

using namespace lzhuf;

namespace {

class Decompressor {
public:
    explicit Decompressor(std::string_view code) : in_(code) {
        for (int i = 0; i < kRingStart; ++i) ring_[i] = ' ';
    }
    DecompressResult Run(uint16_t lengthLow16);

private:
    std::optional<int> GetSymbol();
    std::optional<int> GetPosition();
    void Put(uint8_t byte);

    BitReader in_;
    HuffmanTree tree_;
    std::array<uint8_t, kRingSize> ring_{};
    int r_ = kRingStart;
    std::string out_;
};

DecompressResult Decompressor::Run(uint16_t lengthLow16) {
    for (;;) {
        if (static_cast<uint16_t>(out_.size()) == lengthLow16 && in_.AtPadding()) {
            return {DecompressStatus::kOk, std::move(out_)};
        }
        const std::optional<int> symbol = GetSymbol();
        if (!symbol) break;
        if (*symbol < 256) {
            Put(static_cast<uint8_t>(*symbol));
            continue;
        }
        const std::optional<int> position = GetPosition();
        if (!position) break;
        const int from = r_ - *position - 1;
        const int length = *symbol - kFirstMatchSymbol;
        for (int k = 0; k < length; ++k) Put(ring_[(from + k) & (kRingSize - 1)]);
    }
    const bool passedLength = out_.size() >= lengthLow16;
    return {passedLength ? DecompressStatus::kLengthMismatch : DecompressStatus::kTruncated, {}};
}

std::optional<int> Decompressor::GetSymbol() {
    int node = tree_.FirstSonOfRoot();
    while (node < kNodeCount) {
        const std::optional<uint32_t> bit = in_.Get(1);
        if (!bit) return std::nullopt;
        node = tree_.Son(node + static_cast<int>(*bit));
    }
    const int symbol = node - kNodeCount;
    tree_.Update(symbol);
    return symbol;
}

std::optional<int> Decompressor::GetPosition() {
    const std::optional<uint32_t> prefix = in_.Get(8);
    if (!prefix) return std::nullopt;
    const int upper = PositionUpperBitsOfPrefix(static_cast<uint8_t>(*prefix));
    const int restCount = PositionCodeOf(upper).length - 2;
    const std::optional<uint32_t> rest = in_.Get(restCount);
    if (!rest) return std::nullopt;
    const uint32_t low = (*prefix << restCount) | *rest;
    return (upper << 6) | static_cast<int>(low & 0x3F);
}

void Decompressor::Put(uint8_t byte) {
    out_.push_back(static_cast<char>(byte));
    ring_[r_] = byte;
    r_ = (r_ + 1) & (kRingSize - 1);
}

} // namespace

DecompressResult Decompress(std::string_view code, uint16_t lengthLow16) {
    return std::make_unique<Decompressor>(code)->Run(lengthLow16);
}

} // namespace lumetra
