#pragma once

#include "lumetra/encoder/coder_state.h"
#include "lumetra/encoder/symbol_table.h"
#include "lumetra/encoder/treed_solomon.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace lumetra {

// Aztec Code encoder (ISO/IEC 24778): turns a byte string into one symbol, a rune, or a
// structured append of up to 26 symbols side by side, as a module matrix.
//
// Use: SetData, optionally SetSymbolCount / SetSizeMode / SetMessageId, then Encode once and read
// Width, Height and Matrix. Not thread-safe; one object per request.
//
// Matrix layout: Height() rows of (Width() + 7) / 8 bytes, row 0 at the top; module (c, r) is bit
// 7 - c % 8 of byte r * ((Width() + 7) / 8) + c / 8, 1 = dark. Padding bits are 0. With N symbols
// the matrix holds them left to right, each one light module column apart.
class TAztCoder {
public:
    TAztCoder();
    TAztCoder(const TAztCoder&) = delete;
    TAztCoder& operator=(const TAztCoder&) = delete;

    // Back to the defaults: size mode 0, one symbol, no message ID, no input, no matrix.
    void Reset();
    // The bytes to encode, taken as they are (no code page). Invalidates the cached plan.
    void SetData(std::span<const uint8_t> data);
    void SetData(std::string_view data);
    // Number of symbols of a structured append, clamped to 1..26.
    void SetSymbolCount(int32_t count);
    // Size mode P: 0 automatic with default error correction, 1-99 automatic with P percent of the
    // words for error correction, 101-104 compact with P - 100 layers, 201-232 full-range with
    // P - 200 layers, 300 Aztec rune (the input read as a number); below 0 as a percentage too.
    // Other values make Encode fail.
    void SetSizeMode(int32_t sizeMode);
    // Structured append message ID; every byte is forced into A..Z. Empty means no ID.
    void SetMessageId(std::string_view id);

    // Builds the symbol(s). Returns kAztOk (0), kAztNoData (30) for empty input, kAztTooMuchData
    // (28) when no symbol of the requested kind holds the data or the size mode is invalid,
    // kAztBadParameters (25) when a structured append has more symbols than the data can fill, and
    // kAztUnknownError (26) when a fixed-size symbol's data words leave no room for a check word.
    // After a failure the matrix must not be used.
    int32_t Encode();

    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }
    const std::vector<uint8_t>& Matrix() const { return matrix_; }

    // Print-size search: the data budget in bits that `percent` error correction leaves in the
    // symbol(s) of the current size mode and symbol count, with TotalBits() the bits of the whole
    // input and FitCount() the number of leading input bytes that fit the budget.
    int32_t EstimateFit(int32_t percent);
    int32_t TotalBits() const { return totalBits_; }
    int32_t FitCount() const { return fitCount_; }

    // Fewest full-range layers whose symbol is at least `size` modules wide (32 at most).
    static int32_t LayersForSize(int32_t size);

    // Inspection of the last Encode or EstimateFit: the optimiser's plan, the counts (E, K, T) of
    // the last symbol drawn, and the chosen symbol kind and layers (0 for a rune).
    const std::vector<uint8_t>& Plan() const { return plan_; }
    const TSymbolCounts& Counts() const { return counts_; }
    bool IsCompact() const { return compact_; }
    int32_t Layers() const { return layers_; }

private:
    // Bits no symbol set can hold (26 symbols of 32 layers hold 519168 raw bits).
    static constexpr int32_t kNoBudget = 520167;

    // High-level encoding (build_plan.cpp, emit_bits.cpp).
    // The input symbol at the read position (a pair when its first byte is followed by its
    // second), advancing past it; kEndOfInput at the end.
    int32_t NextSymbol();
    void BuildPlan(int32_t limitBits);
    bool EmitBits(bool counting, const std::vector<uint8_t>& plan,
                  const std::vector<uint8_t>& header);
    void PutBits(int32_t count, int32_t value);

    // Symbol choice (choose_symbol.cpp).
    void PlanWholeInput();
    bool ChooseSymbol();
    bool NextLargerSymbol();
    void ApplyChoice(bool compact, int32_t layers);
    void SelectField();

    // Production and drawing (tazt_coder.cpp, structured_append.cpp, draw_symbol.cpp).
    int32_t ProduceSymbols();
    int32_t ProduceOneSymbol(const std::vector<uint8_t>& header);
    void DrawSymbol();
    void DrawModeMessage();

    TReedSolomon coder_;
    std::vector<uint8_t> plan_;
    bool planStale_ = true;
    bool compact_ = true;
    int32_t centreColumn_ = 0;
    int32_t layers_ = 0;
    TSymbolCounts counts_;
    TSymbolCounts cachedCounts_;
    int32_t fitCount_ = 0;
    int32_t totalBits_ = 0;
    TCodeData input_;
    int32_t sizeMode_ = 0;
    int32_t symbolCount_ = 1;
    std::vector<uint8_t> messageId_;
    int32_t gap_ = 1;
    int32_t width_ = 0;
    int32_t height_ = 0;
    std::vector<uint8_t> matrix_;
    int32_t stride_ = 0; // bytes per matrix row
    TEnTree states_;
    const TSymbolTable& symbols_;

    // Bit writer state: bits not yet cut into a word, and a write past the capacity.
    uint64_t pendingBits_ = 0;
    int32_t pendingCount_ = 0;
    bool overflow_ = false;
    std::vector<uint8_t> header_;
    std::vector<uint8_t> reversedPlan_;
};

inline int32_t TAztCoder::NextSymbol() {
    if (input_.position > input_.length) return kEndOfInput;
    const uint8_t first = input_.text[input_.position - 1];
    const int32_t second = PairSecondByte(first);
    if (second >= 0 && input_.position < input_.length && input_.text[input_.position] == second) {
        input_.position += 2;
        return PairSymbol(first);
    }
    input_.position += 1;
    return first;
}

} // namespace lumetra
