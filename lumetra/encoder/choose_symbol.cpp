#include "lumetra/encoder/symbol_sizes.h"
#include "lumetra/encoder/tazt_coder.h"

#include <algorithm>

namespace lumetra {
namespace {

constexpr int32_t kRuneMode = 300;

constexpr int64_t CeilDiv(int64_t a, int64_t b) {
    return a >= 0 ? (a + b - 1) / b : a / b;
}

// Raw bits an automatic symbol must have for `bits` of data at size mode `percent` (below 100).
int64_t RequiredRawBits(int64_t bits, int64_t percent) {
    if (percent == 0) return (bits + 18) * 100 / 77;
    const int64_t w = bits <= 288 ? 6 : bits <= 1920 ? 8 : bits <= 10200 ? 10 : 12;
    const int64_t n = CeilDiv(bits, w);
    const int64_t e = CeilDiv(n * percent, 100 - percent);
    return w * (n + e + 1);
}

// Fewest layers of the kind whose raw capacity reaches `bits`, or 0.
int32_t FewestLayers(bool compact, int64_t bits) {
    const int32_t most = compact ? kMaxCompactLayers : kMaxFullLayers;
    for (int32_t layers = 1; layers <= most; ++layers)
        if (RawCapacityBits(compact, layers) >= bits) return layers;
    return 0;
}

} // namespace

// The plan of the whole input, built once per SetData; its bit count lands in the data count.
void TAztCoder::PlanWholeInput() {
    input_.position = 1;
    if (planStale_) {
        BuildPlan(kNoBudget);
        cachedCounts_ = counts_;
        planStale_ = false;
    }
    counts_ = cachedCounts_;
}

void TAztCoder::ApplyChoice(bool compact, int32_t layers) {
    compact_ = compact;
    layers_ = layers;
    height_ = layers == 0 ? kRuneSize : SymbolSize(compact, layers);
    width_ = symbolCount_ * height_ + (symbolCount_ - 1) * gap_;
    centreColumn_ = height_ / 2;
    counts_.capacity = layers == 0 ? 7 : RawCapacityBits(compact, layers);
}

// Chooses kind and layers for the data count in bits. Several symbols share one size, chosen for
// an even share of the bits with some slack, the header and the ID.
bool TAztCoder::ChooseSymbol() {
    int64_t bits = counts_.data;
    if (sizeMode_ == kRuneMode) {
        symbolCount_ = 1;
        ApplyChoice(true, 0);
        return true;
    }
    if (symbolCount_ > 1) {
        const auto idBits = static_cast<int64_t>(messageId_.size());
        bits = CeilDiv(bits, symbolCount_) + 10 + (messageId_.empty() ? 0 : 5 * idBits + 10) + 20;
    }
    if (sizeMode_ < 100) {
        const int64_t required = RequiredRawBits(bits, sizeMode_);
        const bool compact = bits <= 512 && required <= RawCapacityBits(true, kMaxCompactLayers);
        const int32_t layers = FewestLayers(compact, required);
        if (layers == 0) return false;
        ApplyChoice(compact, layers);
        return true;
    }
    const bool compact = sizeMode_ <= 100 + kMaxCompactLayers;
    const int32_t layers = sizeMode_ - (compact ? 100 : 200);
    if (layers < 1 || layers > (compact ? kMaxCompactLayers : kMaxFullLayers)) return false;
    // Applied even when too small: the print-size search reads the capacity of each size it tries.
    ApplyChoice(compact, layers);
    return RawCapacityBits(compact, layers) >= bits;
}

// After an automatic symbol turned out unable to hold its data words (bit stuffing, or more words
// than a compact mode message can count): the next symbol that holds more.
bool TAztCoder::NextLargerSymbol() {
    if (compact_ && layers_ < kMaxCompactLayers) {
        ApplyChoice(true, layers_ + 1);
        return true;
    }
    if (compact_) {
        ApplyChoice(false, FewestLayers(false, RawCapacityBits(true, layers_) + 1));
        return true;
    }
    if (layers_ == kMaxFullLayers) return false;
    ApplyChoice(false, layers_ + 1);
    return true;
}

void TAztCoder::SelectField() {
    const int32_t m = WordSize(layers_);
    coder_.SetField(m);
    counts_.capacity /= m;
}

} // namespace lumetra
