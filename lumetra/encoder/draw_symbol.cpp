#include "lumetra/encoder/rune_value.h"
#include "lumetra/encoder/symbol_sizes.h"
#include "lumetra/encoder/tazt_coder.h"

namespace lumetra {
namespace {

constexpr int32_t kModeWordSize = 4;
// Every word of a rune's mode message is XORed with 1010, which tells it from a compact symbol.
constexpr int32_t kRuneMask = 10;

// Darkens modules given relative to a symbol's centre. A value of its own, so that the compiler
// need not reload the coder's fields after every byte it writes.
class TModulePen {
public:
    TModulePen(std::vector<uint8_t>& matrix, int32_t stride, int32_t centreColumn,
               int32_t centreRow)
        : bits_(matrix.data()), stride_(stride), centreColumn_(centreColumn),
          centreRow_(centreRow) {}

    void Set(int32_t x, int32_t y) const { SetIf(1, x, y); }
    // Data modules are dark or light at random: no branch to mispredict.
    void SetIf(uint32_t dark, int32_t x, int32_t y) const {
        const int32_t column = centreColumn_ + x;
        bits_[(centreRow_ + y) * stride_ + (column >> 3)] |=
            static_cast<uint8_t>(dark << (7 - (column & 7)));
    }

private:
    uint8_t* bits_;
    int32_t stride_;
    int32_t centreColumn_;
    int32_t centreRow_;
};

} // namespace

// Bullseye, orientation marks, reference grid, data layers and mode message of the symbol whose
// code words stand in the coder, centred at the current centre column.
void TAztCoder::DrawSymbol() {
    const TModulePen pen(matrix_, stride_, centreColumn_, height_ / 2);
    const bool compact = compact_;
    const int32_t core = CoreRadius(compact);
    for (int32_t ring = 0; ring < core; ring += 2) {
        for (int32_t t = -ring; t <= ring; ++t) {
            pen.Set(t, -ring);
            pen.Set(t, ring);
            pen.Set(-ring, t);
            pen.Set(ring, t);
        }
    }
    const int32_t r = core;
    for (auto [x, y] :
         {std::pair{-r, -r}, {-r + 1, -r}, {-r, -r + 1}, {r, -r}, {r, -r + 1}, {r, r - 1}})
        pen.Set(x, y);

    if (!compact) {
        const int32_t reach = height_ / 4;
        for (int32_t line = -reach / 8 * 8; line <= reach; line += 8) {
            for (int32_t t = -reach; t <= reach; ++t) {
                pen.Set(2 * line, 2 * t);
                pen.Set(2 * t, 2 * line);
            }
        }
    }

    // Bits from the last word, least significant first: read outermost layer first, the symbol
    // carries word 0 most significant bit first. Words have an even size, so a domino's two bits
    // always come from one word.
    const int32_t m = WordSize(layers_);
    const int32_t* words = coder_.Words();
    int32_t word = counts_.capacity - 1;
    int32_t bit = 0;
    auto domino = [&](int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
        if (word < 0) return;
        const auto pair = static_cast<uint32_t>(words[word] >> bit);
        pen.SetIf(pair & 1, x1, y1);
        pen.SetIf((pair >> 1) & 1, x2, y2);
        bit += 2;
        if (bit == m) {
            bit = 0;
            --word;
        }
    };
    auto onGrid = [compact](int32_t c) { return !compact && c % 16 == 0; };
    int32_t radius = core;
    for (int32_t layer = 0; layer < layers_; ++layer) {
        const auto [a, o] = NextLayerRings(compact, radius);
        for (int32_t x = -a + 1; x <= o; ++x)
            if (!onGrid(x)) domino(x, -a, x, -o);
        for (int32_t y = -a + 1; y <= o; ++y)
            if (!onGrid(y)) domino(a, y, o, y);
        for (int32_t x = a - 1; x >= -o; --x)
            if (!onGrid(x)) domino(x, a, x, o);
        for (int32_t y = a - 1; y >= -o; --y)
            if (!onGrid(y)) domino(-a, y, -o, y);
        radius = o;
    }
    DrawModeMessage();
}

// Layers and data-word count (or the rune's byte) with their check words in 4-bit words, around
// the bullseye. Borrows the coder's word array and field, which hold nothing needed any more.
void TAztCoder::DrawModeMessage() {
    const TModulePen pen(matrix_, stride_, centreColumn_, height_ / 2);
    const int32_t dataWordSize = coder_.WordSize();
    int32_t* words = coder_.Words();
    const int32_t k = counts_.data - 1;
    TSymbolCounts counts;
    if (layers_ == 0) {
        const int32_t value = RuneValue(input_.text);
        words[0] = value / 16;
        words[1] = value % 16;
        counts = {5, 2, 7};
    } else if (compact_) {
        words[0] = (layers_ - 1) * 4 + k / 16;
        words[1] = k % 16;
        counts = {5, 2, 7};
    } else {
        words[0] = (layers_ - 1) / 2;
        words[1] = ((layers_ - 1) % 2) * 8 + k / 256;
        words[2] = (k / 16) % 16;
        words[3] = k % 16;
        counts = {6, 4, 10};
    }
    coder_.SetField(kModeWordSize);
    coder_.ComputeCheckWords(counts);
    const int32_t total = counts.data + counts.check;
    if (layers_ == 0)
        for (int32_t i = 0; i < total; ++i) words[i] ^= kRuneMask;

    // Offsets along one side of the mode-message ring; full-range skips the grid line at 0.
    const int32_t r = CoreRadius(compact_);
    std::array<int32_t, 10> offsets{};
    int32_t count = 0;
    for (int32_t t = -(r - 2); t <= r - 2; ++t)
        if (compact_ || t != 0) offsets[count++] = t;
    int32_t bitIndex = 0;
    auto place = [&](int32_t x, int32_t y) {
        if ((words[bitIndex / 4] >> (3 - bitIndex % 4)) & 1) pen.Set(x, y);
        ++bitIndex;
    };
    for (int32_t i = 0; i < count; ++i) place(offsets[i], -r);
    for (int32_t i = 0; i < count; ++i) place(r, offsets[i]);
    for (int32_t i = count - 1; i >= 0; --i) place(offsets[i], r);
    for (int32_t i = count - 1; i >= 0; --i) place(-r, offsets[i]);
    if (dataWordSize > 0) coder_.SetField(dataWordSize); // a rune has no data field
}

} // namespace lumetra
