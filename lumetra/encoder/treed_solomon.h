#pragma once

#include <array>
#include <cstdint>

namespace lumetra {

// The counts of one symbol: check words E, data count K, capacity T.
struct TSymbolCounts {
    int32_t check = 0;
    int32_t data = 0;
    int32_t capacity = 0;
};

// Systematic Reed-Solomon coder over GF(2^m) that doubles as the code-word store of the symbol
// being built: data words go into Words()[0..K-1], ComputeCheckWords appends E check words.
class TReedSolomon {
public:
    // Words of the largest symbol (32 full-range layers of 12-bit words).
    static constexpr int32_t kMaxWords = 1664;

    TReedSolomon() { Reset(); }

    void Reset();
    // The field GF(2^m) of ISO/IEC 24778 for m-bit words (m = 4, 6, 8, 10 or 12).
    void SetField(int32_t wordSize);
    int32_t WordSize() const { return wordSize_; }
    int32_t FieldSize() const { return fieldSize_; }
    int32_t Polynomial() const { return polynomial_; }

    // Requires counts.data + counts.check <= kMaxWords and the data words in place.
    void ComputeCheckWords(const TSymbolCounts& counts);

    const TSymbolCounts& Counts() const { return counts_; }
    int32_t* Words() { return words_.data(); }
    const int32_t* Words() const { return words_.data(); }

private:
    void BuildGenerator(int32_t checkCount);
    int32_t Times(int32_t a, int32_t logB) const { return power_[log_[a] + logB]; }

    int32_t fieldSize_ = 1;
    int32_t polynomial_ = 1;
    int32_t wordSize_ = 0;
    TSymbolCounts counts_;
    // The words and two spare cells, which stay 0, behind the register.
    std::array<int32_t, kMaxWords + 2> words_;
    // Coefficients g[0..E] of the generator; during the division, their logs in register order.
    std::array<int32_t, kMaxWords + 2> generator_;
    const int32_t* log_ = nullptr;
    const int32_t* power_ = nullptr;
};

} // namespace lumetra
