#include "lumetra/encoder/mode_tables.h"
#include "lumetra/encoder/symbol_sizes.h"
#include "lumetra/encoder/tazt_coder.h"

#include <algorithm>

namespace lumetra {
namespace {

// Pad code per last latched mode: a latch, so that a decoder reading the padding of a 12-bit word
// as codes never starts a Binary Shift it cannot finish.
constexpr std::array<int32_t, kModeCount> kPadCode = {28, 29, 30, 31, 14, 0};

} // namespace

// Appends bits most significant first and cuts complete words off the front: a word whose first
// m-1 bits are all equal ends there with a stuffed bit of the other value.
void TAztCoder::PutBits(int32_t count, int32_t value) {
    const int32_t m = coder_.WordSize();
    const uint64_t sameMask = (uint64_t{1} << (m - 1)) - 1;
    pendingBits_ =
        (pendingBits_ << count) | (static_cast<uint64_t>(value) & ((uint64_t{1} << count) - 1));
    pendingCount_ += count;
    int32_t* words = coder_.Words();
    while (pendingCount_ >= m - 1) {
        const uint64_t head = (pendingBits_ >> (pendingCount_ - (m - 1))) & sameMask;
        int32_t word;
        if (head == 0) {
            word = 1;
            pendingCount_ -= m - 1;
        } else if (head == sameMask) {
            word = coder_.FieldSize() - 2;
            pendingCount_ -= m - 1;
        } else if (pendingCount_ >= m) {
            word =
                static_cast<int32_t>((pendingBits_ >> (pendingCount_ - m)) & ((sameMask << 1) | 1));
            pendingCount_ -= m;
        } else {
            break;
        }
        if (counts_.data < counts_.capacity) {
            words[counts_.data] = word;
        } else {
            overflow_ = true;
        }
        ++counts_.data;
    }
    pendingBits_ &= (uint64_t{1} << pendingCount_) - 1;
}

// Replays `plan` from the read position. Writing: header and data go into the code words, and the
// result tells whether a check word is left. Counting: every position's bits go into the costs.
bool TAztCoder::EmitBits(bool counting, const std::vector<uint8_t>& plan,
                         const std::vector<uint8_t>& header) {
    counts_.data = 0;
    pendingBits_ = 0;
    pendingCount_ = 0;
    overflow_ = false;
    if (counting) input_.costs.assign(static_cast<size_t>(input_.length) + 2, 0);
    auto write = [&](int32_t width, int32_t value, int32_t position) {
        if (counting) {
            input_.costs[std::clamp(position, 1, input_.length + 1)] += width;
        } else {
            PutBits(width, value);
        }
    };
    auto writeSymbol = [&](TAztMode mode) {
        const int32_t symbol = NextSymbol();
        if (symbol == kEndOfInput) return 0;
        const TSymbolCodes& codes = symbols_[symbol];
        for (int32_t i = 0; i < codes.count[mode]; ++i)
            write(kCodeWidth[mode], codes.code[mode][i], input_.position - 1);
        return static_cast<int32_t>(codes.count[mode]);
    };

    if (!counting && symbolCount_ > 1)
        for (uint8_t code : header) PutBits(5, code);
    TAztMode mode = kUpper;
    TAztMode latched = kUpper;
    for (size_t i = 0; i < plan.size();) {
        const uint8_t item = plan[i++];
        if (item == kItemRun) {
            int32_t units = plan[i] | (plan[i + 1] << 8);
            i += 2;
            if (mode == kBinary && units <= kBinaryShortLength) {
                write(5, units, input_.position);
            } else if (mode == kBinary) {
                write(5, 0, input_.position);
                write(11, units - kBinaryShortLength, input_.position);
            }
            while (units > 0) {
                const int32_t written = writeSymbol(mode);
                if (written == 0) break;
                units -= written;
            }
            continue;
        }
        const int32_t code = kCommandCode[item][mode];
        if (code == kNoCommand) continue;
        if (code != kSilent) write(kCodeWidth[mode], code, input_.position);
        if (item == kItemUpperShift || item == kItemPunctShift) {
            writeSymbol(item == kItemUpperShift ? kUpper : kPunct);
        } else if (item == kItemBinaryShift) {
            mode = kBinary;
        } else {
            mode = static_cast<TAztMode>(item - 1);
            latched = mode;
        }
    }
    if (counting) return true;

    if (pendingCount_ > 0 && WordSize(layers_) == 12) {
        const int32_t width = kCodeWidth[latched];
        for (int32_t bit = width - 1; bit >= 0 && pendingCount_ > 0; --bit)
            PutBits(1, kPadCode[latched] >> bit);
    }
    while (pendingCount_ > 0) PutBits(1, 1);
    counts_.check = counts_.capacity - counts_.data;
    return !overflow_ && counts_.check > 0;
}

} // namespace lumetra
