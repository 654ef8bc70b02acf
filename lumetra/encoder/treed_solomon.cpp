#include "lumetra/encoder/treed_solomon.h"
#include "lumetra/encoder/galois_field.h"

#include <utility>

namespace lumetra {

void TReedSolomon::Reset() {
    fieldSize_ = 1;
    polynomial_ = 1;
    wordSize_ = 0;
    log_ = power_ = nullptr;
    counts_ = {};
    words_.fill(0);
}

void TReedSolomon::SetField(int32_t wordSize) {
    wordSize_ = wordSize;
    fieldSize_ = 1 << wordSize;
    polynomial_ = FieldPolynomial(wordSize);
    const TGaloisTables tables = GaloisTables(wordSize);
    log_ = tables.log;
    power_ = tables.power;
}

// g(x) = (x + a^1) ... (x + a^E), g[k] the coefficient of x^k. Two factors per pass:
// (x + a^i)(x + a^(i+1)) = x^2 + (a^i + a^(i+1)) x + a^(2i+1).
void TReedSolomon::BuildGenerator(int32_t checkCount) {
    int32_t* g = generator_.data();
    g[0] = 1;
    for (int32_t k = 1; k <= checkCount; ++k) g[k] = 0;
    int32_t degree = 0;
    int32_t i = 1;
    for (; i < checkCount; i += 2, degree += 2) {
        const int32_t logSum = log_[power_[i] ^ power_[i + 1]];
        const int32_t logProduct = (2 * i + 1) % (fieldSize_ - 1);
        for (int32_t k = degree + 2; k >= 2; --k)
            g[k] = g[k - 2] ^ Times(g[k - 1], logSum) ^ Times(g[k], logProduct);
        g[1] = Times(g[0], logSum) ^ Times(g[1], logProduct);
        g[0] = Times(g[0], logProduct);
    }
    if (i == checkCount) {
        for (int32_t k = degree + 1; k >= 1; --k) g[k] = Times(g[k], i) ^ g[k - 1];
        g[0] = Times(g[0], i);
    }
}

void TReedSolomon::ComputeCheckWords(const TSymbolCounts& counts) {
    counts_ = counts;
    const int32_t e = counts.check;
    const int32_t k = counts.data;
    if (e <= 0 || log_ == nullptr) return;
    BuildGenerator(e);
    // The division multiplies every generator coefficient by the feedback word: keep their logs,
    // in register order, and a zero coefficient behind them.
    int32_t* logs = generator_.data();
    for (int32_t t = 0; t < e / 2; ++t) std::swap(logs[t], logs[e - 1 - t]);
    for (int32_t t = 0; t < e; ++t) logs[t] = log_[logs[t]];
    logs[e] = log_[0];

    // The register shifts by one word per data word; two data words are taken in one pass, the
    // second feedback being known from the first step's lowest cell alone.
    int32_t* reg = words_.data() + k;
    for (int32_t t = 0; t <= e + 1; ++t) reg[t] = 0;
    int32_t j = 0;
    for (; j + 1 < k; j += 2) {
        const int32_t first = log_[reg[0] ^ words_[j]];
        const int32_t second = log_[power_[logs[0] + first] ^ reg[1] ^ words_[j + 1]];
        for (int32_t t = 0; t < e; ++t)
            reg[t] = power_[logs[t] + second] ^ power_[logs[t + 1] + first] ^ reg[t + 2];
    }
    if (j < k) {
        const int32_t feedback = log_[reg[0] ^ words_[j]];
        for (int32_t t = 0; t < e; ++t) reg[t] = power_[logs[t] + feedback] ^ reg[t + 1];
    }
}

} // namespace lumetra
