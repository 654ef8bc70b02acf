#include "lumetra/encoder/structured_append.h"
#include "lumetra/encoder/azt_result.h"
#include "lumetra/encoder/tazt_coder.h"

namespace lumetra {
namespace {

constexpr uint8_t kMixedLatch = 29;
constexpr uint8_t kUpperLatch = 29;
constexpr uint8_t kSpace = 1;

constexpr uint8_t LetterCode(int32_t letter) {
    return static_cast<uint8_t>(letter - 'A' + 2);
}

} // namespace

std::vector<uint8_t> StructuredAppendHeader(int32_t symbolCount,
                                            std::span<const uint8_t> messageId) {
    std::vector<uint8_t> header = {kMixedLatch, kUpperLatch};
    if (!messageId.empty()) {
        header.push_back(kSpace);
        for (uint8_t letter : messageId) header.push_back(LetterCode(letter));
        header.push_back(kSpace);
    }
    header.push_back(LetterCode('A'));
    header.push_back(LetterCode('A' + symbolCount - 1));
    return header;
}

// All symbols into the matrix at the chosen size: one with the whole-input plan, or N, each with
// the header and a plan that stops at an even share of the bits still to place (the last takes
// the rest), so that no symbol is starved while there is data left.
int32_t TAztCoder::ProduceSymbols() {
    input_.position = 1;
    centreColumn_ = height_ / 2;
    header_.clear();
    if (symbolCount_ == 1) return ProduceOneSymbol(header_);

    header_ = StructuredAppendHeader(symbolCount_, messageId_);
    planStale_ = true;
    int32_t bitsLeft = cachedCounts_.data;
    for (int32_t i = 1; i <= symbolCount_; ++i) {
        if (input_.position > input_.length) return kAztBadParameters;
        const int32_t symbolsLeft = symbolCount_ - i + 1;
        BuildPlan(i < symbolCount_ ? (bitsLeft + symbolsLeft - 1) / symbolsLeft : kNoBudget);
        bitsLeft -= counts_.data;
        const int32_t result = ProduceOneSymbol(header_);
        if (result != kAztOk) return result;
        centreColumn_ += height_ + gap_;
        ++header_[header_.size() - 2];
    }
    return kAztOk;
}

} // namespace lumetra
