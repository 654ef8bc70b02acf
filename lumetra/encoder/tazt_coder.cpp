#include "lumetra/encoder/tazt_coder.h"
#include "lumetra/encoder/azt_result.h"
#include "lumetra/encoder/symbol_sizes.h"

#include <algorithm>
#include <limits>

namespace lumetra {
namespace {

constexpr int32_t kMaxSymbolCount = 26;

} // namespace

TAztCoder::TAztCoder() : symbols_(AztSymbolTable()) {
    Reset();
}

void TAztCoder::Reset() {
    sizeMode_ = 0;
    symbolCount_ = 1;
    gap_ = 1;
    messageId_.clear();
    SetData(std::span<const uint8_t>{});
    width_ = height_ = 0;
    matrix_.clear();
    compact_ = true;
    centreColumn_ = 0;
    layers_ = 0;
    counts_ = cachedCounts_ = {};
    coder_.Reset();
    input_.costs.clear();
    fitCount_ = totalBits_ = 0;
}

void TAztCoder::SetData(std::span<const uint8_t> data) {
    input_.text.assign(data.begin(), data.end());
    input_.length =
        static_cast<int32_t>(std::min<size_t>(data.size(), std::numeric_limits<int32_t>::max()));
    input_.position = 1;
    planStale_ = true;
}

void TAztCoder::SetData(std::string_view data) {
    SetData(std::span{reinterpret_cast<const uint8_t*>(data.data()), data.size()});
}

void TAztCoder::SetSymbolCount(int32_t count) {
    symbolCount_ = std::clamp(count, 1, kMaxSymbolCount);
}

void TAztCoder::SetSizeMode(int32_t sizeMode) {
    sizeMode_ = sizeMode;
}

void TAztCoder::SetMessageId(std::string_view id) {
    messageId_.clear();
    for (char c : id) messageId_.push_back(static_cast<uint8_t>(std::clamp<uint8_t>(c, 'A', 'Z')));
}

int32_t TAztCoder::Encode() {
    if (input_.length == 0) return kAztNoData;
    PlanWholeInput();
    if (!ChooseSymbol()) return kAztTooMuchData;
    const bool automatic = sizeMode_ < 100;
    for (;;) {
        stride_ = (width_ + 7) / 8;
        matrix_.assign(static_cast<size_t>(height_) * stride_, 0);
        if (layers_ == 0) {
            DrawSymbol();
            return kAztOk;
        }
        SelectField();
        const int32_t result = ProduceSymbols();
        // A larger symbol only leaves more symbols empty.
        if (result == kAztOk || result == kAztBadParameters || !automatic) return result;
        if (!NextLargerSymbol()) return kAztTooMuchData;
    }
}

// One symbol from the current plan: data words, check words, drawing.
int32_t TAztCoder::ProduceOneSymbol(const std::vector<uint8_t>& header) {
    const bool emitted = EmitBits(false, plan_, header);
    if (compact_ && counts_.data > kMaxCompactDataWords) return kAztTooMuchData;
    if (!emitted) return kAztUnknownError;
    coder_.ComputeCheckWords(counts_);
    DrawSymbol();
    return kAztOk;
}

int32_t TAztCoder::EstimateFit(int32_t percent) {
    int64_t header = 0;
    if (symbolCount_ > 1 || !messageId_.empty()) {
        header = 30;
        if (!messageId_.empty()) header += 5 * static_cast<int64_t>(messageId_.size()) + 10;
    }
    const int32_t symbolCount = symbolCount_;
    symbolCount_ = 1;
    PlanWholeInput();
    counts_.capacity = 0;
    ChooseSymbol();
    const int64_t budget64 =
        symbolCount * ((100 - int64_t{percent}) * counts_.capacity / 100 - header);
    const auto budget = static_cast<int32_t>(std::clamp<int64_t>(
        budget64, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));

    input_.position = 1;
    EmitBits(true, plan_, header_);
    totalBits_ = 0;
    fitCount_ = 0;
    for (int32_t p = 1; p <= input_.length; ++p) {
        totalBits_ += input_.costs[p];
        if (totalBits_ < budget) ++fitCount_;
    }
    symbolCount_ = symbolCount;
    return budget;
}

int32_t TAztCoder::LayersForSize(int32_t size) {
    for (int32_t layers = 1; layers < kMaxFullLayers; ++layers)
        if (SymbolSize(false, layers) >= size) return layers;
    return kMaxFullLayers;
}

} // namespace lumetra
