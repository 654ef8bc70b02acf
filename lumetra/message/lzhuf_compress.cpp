#include "lumetra/message/lzhuf_compress.h"

#include <algorithm>
#include <memory>

#include "lumetra/message/bit_writer.h"
#include "lumetra/message/lzhuf_model.h"
#include "lumetra/message/match_trees.h"

namespace lumetra {

using namespace lzhuf;

namespace {

class Compressor {
public:
    std::string Run(std::string_view input);

private:
    void PutSymbol(int symbol);
    void PutPosition(int position);

    MatchTrees trees_;
    HuffmanTree tree_;
    BitWriter out_;
};

std::string Compressor::Run(std::string_view input) {
    size_t next = 0;
    int s = 0;
    int r = kRingStart;
    int len = 0;
    for (; len < kMaxMatch && next < input.size(); ++len) {
        trees_.Store(r + len, static_cast<uint8_t>(input[next++]));
    }
    for (int i = 1; i <= kMaxMatch; ++i) trees_.Insert(r - i);
    trees_.Insert(r);

    while (len > 0) {
        int matchLength = std::min(trees_.matchLength(), len);
        if (matchLength <= kThreshold) {
            matchLength = 1;
            PutSymbol(trees_.At(r));
        } else {
            PutSymbol(kFirstMatchSymbol + matchLength);
            PutPosition(trees_.matchPosition());
        }
        int i = 0;
        for (; i < matchLength && next < input.size(); ++i) {
            trees_.Delete(s);
            trees_.Store(s, static_cast<uint8_t>(input[next++]));
            s = (s + 1) & (kRingSize - 1);
            r = (r + 1) & (kRingSize - 1);
            trees_.Insert(r);
        }
        for (; i < matchLength; ++i) {
            trees_.Delete(s);
            s = (s + 1) & (kRingSize - 1);
            r = (r + 1) & (kRingSize - 1);
            if (--len != 0) trees_.Insert(r);
        }
    }
    return out_.Finish();
}

void Compressor::PutSymbol(int symbol) {
    const HuffmanTree::Code code = tree_.CodeOf(symbol);
    out_.Put(code.bits, code.length);
    tree_.Update(symbol);
}

void Compressor::PutPosition(int position) {
    const PositionCode upper = PositionCodeOf(position >> 6);
    out_.Put(upper.code >> (8 - upper.length), upper.length);
    out_.Put(position & 0x3F, 6);
}

} // namespace

std::string Compress(std::string_view input) {
    // About 33 KB of state: on the heap, not on a caller's stack.
    return std::make_unique<Compressor>()->Run(input);
}

} // namespace lumetra
