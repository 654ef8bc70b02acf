#include "lumetra/message/match_trees.h"

namespace lumetra::lzhuf {

MatchTrees::MatchTrees() {
    parent_.fill(kNone);
    right_.fill(kNone);
    for (int i = 0; i < kRingStart; ++i) ring_[i] = ' ';
}

void MatchTrees::Store(int pos, uint8_t byte) {
    ring_[pos] = byte;
    if (pos < kMaxMatch - 1) ring_[kRingSize + pos] = byte;
}

void MatchTrees::Insert(int r) {
    const uint8_t* key = &ring_[r];
    int cmp = 1;
    int p = kFirstRoot + key[0];
    right_[r] = left_[r] = kNone;
    matchLength_ = 0;
    for (;;) {
        auto& next = cmp >= 0 ? right_[p] : left_[p];
        if (next == kNone) {
            next = static_cast<int16_t>(r);
            parent_[r] = static_cast<int16_t>(p);
            return;
        }
        p = next;
        int i = 1;
        for (; i < kMaxMatch; ++i) {
            cmp = key[i] - ring_[p + i];
            if (cmp != 0) break;
        }
        if (i > kThreshold) {
            const int position = ((r - p) & (kRingSize - 1)) - 1;
            if (i > matchLength_) {
                matchPosition_ = position;
                matchLength_ = i;
                if (i >= kMaxMatch) break;
            } else if (i == matchLength_ && position < matchPosition_) {
                matchPosition_ = position;
            }
        }
    }
    // A full-length match: r takes p's place, so the tree holds only the newer of equal strings.
    parent_[r] = parent_[p];
    left_[r] = left_[p];
    right_[r] = right_[p];
    parent_[left_[p]] = static_cast<int16_t>(r);
    parent_[right_[p]] = static_cast<int16_t>(r);
    ReplaceChild(parent_[p], p, r);
    parent_[p] = kNone;
}

void MatchTrees::Delete(int p) {
    if (parent_[p] == kNone) return;
    int q;
    if (right_[p] == kNone) {
        q = left_[p];
    } else if (left_[p] == kNone) {
        q = right_[p];
    } else {
        q = left_[p];
        if (right_[q] != kNone) {
            do q = right_[q];
            while (right_[q] != kNone);
            right_[parent_[q]] = left_[q];
            parent_[left_[q]] = parent_[q];
            left_[q] = left_[p];
            parent_[left_[p]] = static_cast<int16_t>(q);
        }
        right_[q] = right_[p];
        parent_[right_[p]] = static_cast<int16_t>(q);
    }
    parent_[q] = parent_[p];
    ReplaceChild(parent_[p], p, q);
    parent_[p] = kNone;
}

void MatchTrees::ReplaceChild(int parent, int from, int to) {
    if (right_[parent] == from) {
        right_[parent] = static_cast<int16_t>(to);
    } else {
        left_[parent] = static_cast<int16_t>(to);
    }
}

} // namespace lumetra::lzhuf
