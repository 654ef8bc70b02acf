#pragma once

#include <cstdlib>
#include <vector>

// Reads the mode message ring of any Aztec symbol (ours or a peer encoder's) from its modules, in
// the ISO/IEC 24778 order: top left to right, right side down, bottom right to left, left side up.
namespace lumetra::testing {

struct ModeMessage {
    bool compact = false;
    std::vector<int> words; // 4-bit words, check words included
    int layers = 0;
    int dataWords = 0;
};

// `dark(x, y)` tells a module's colour, x and y relative to the symbol's centre.
template <class Dark> ModeMessage ReadModeMessage(Dark dark) {
    ModeMessage message;
    // Compact symbols and runes have an orientation mark where full-range ones have a light ring.
    message.compact = dark(-5, -5);
    const int r = message.compact ? 5 : 7;
    std::vector<int> offsets;
    for (int t = -(r - 2); t <= r - 2; ++t)
        if (message.compact || t != 0) offsets.push_back(t);
    std::vector<int> bits;
    for (int t : offsets) bits.push_back(dark(t, -r));
    for (int t : offsets) bits.push_back(dark(r, t));
    for (auto t = offsets.rbegin(); t != offsets.rend(); ++t) bits.push_back(dark(*t, r));
    for (auto t = offsets.rbegin(); t != offsets.rend(); ++t) bits.push_back(dark(-r, *t));
    message.words.assign(bits.size() / 4, 0);
    for (size_t i = 0; i < bits.size(); ++i)
        message.words[i / 4] = message.words[i / 4] * 2 + bits[i];
    const std::vector<int>& w = message.words;
    if (message.compact) {
        message.layers = w[0] / 4 + 1;
        message.dataWords = (w[0] % 4) * 16 + w[1] + 1;
    } else {
        message.layers = w[0] * 2 + w[1] / 8 + 1;
        message.dataWords = (w[1] % 8) * 256 + w[2] * 16 + w[3] + 1;
    }
    return message;
}

} // namespace lumetra::testing
