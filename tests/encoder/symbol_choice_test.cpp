#include "aztec_reader.h"
#include "lumetra/encoder/azt_result.h"
#include "lumetra/encoder/tazt_coder.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace lumetra {
namespace {

struct ChoiceCase {
    std::string name;
    std::string input;
    int sizeMode;
    bool compact;
    int layers;
    int size;
    int dataWords;
    int checkWords;
};

class SymbolChoice : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(SymbolChoice, PicksKindLayersAndWordCounts) {
    const ChoiceCase& c = GetParam();
    TAztCoder coder;
    coder.SetData(c.input);
    coder.SetSizeMode(c.sizeMode);
    ASSERT_EQ(coder.Encode(), kAztOk);
    EXPECT_EQ(coder.IsCompact(), c.compact);
    EXPECT_EQ(coder.Layers(), c.layers);
    EXPECT_EQ(coder.Width(), c.size);
    EXPECT_EQ(coder.Height(), c.size);
    EXPECT_EQ(coder.Counts().data, c.dataWords);
    EXPECT_EQ(coder.Counts().check, c.checkWords);
    EXPECT_EQ(testing::ReadWithZxingCpp(testing::RenderSymbol(testing::SymbolMatrix(coder))).bytes,
              c.input);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedChoices, SymbolChoice,
    ::testing::Values(
        ChoiceCase{"Abc", "ABC", 23, true, 1, 15, 3, 14},
        ChoiceCase{"Digits", "12345678", 23, true, 1, 15, 7, 10},
        ChoiceCase{"DigitsDefault", "12345678", 0, true, 1, 15, 7, 10},
        ChoiceCase{"HelloWorld", "Hello, World", 23, true, 1, 15, 12, 5},
        ChoiceCase{"HundredLetters", std::string(100, 'A'), 23, false, 4, 31, 63, 25},
        // 520 plan bits with 1 % need 536 raw bits, and more than 512 bits go full-range.
        ChoiceCase{"OverCompactBitLimit", std::string(104, 'A'), 1, false, 4, 31, 65, 23},
        ChoiceCase{"LargestCompact", "ABC", 104, true, 4, 27, 2, 74},
        ChoiceCase{"LargestFullRange", "ABC", 232, false, 32, 151, 2, 1662},
        ChoiceCase{"FullRange22", "ABC", 222, false, 22, 109, 2, 1018}),
    [](const auto& info) { return info.param.name; });

struct FailureCase {
    std::string name;
    std::string input;
    int sizeMode;
    int result;
};

class EncodeFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(EncodeFailure, ReturnsTheCode) {
    const FailureCase& c = GetParam();
    TAztCoder coder;
    coder.SetData(c.input);
    coder.SetSizeMode(c.sizeMode);
    EXPECT_EQ(coder.Encode(), c.result);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, EncodeFailure,
    ::testing::Values(
        FailureCase{"Mode100", "ABC", 100, kAztTooMuchData},
        FailureCase{"Mode105", "ABC", 105, kAztTooMuchData},
        FailureCase{"Mode200", "ABC", 200, kAztTooMuchData},
        FailureCase{"Mode233", "ABC", 233, kAztTooMuchData},
        FailureCase{"Mode301", "ABC", 301, kAztTooMuchData},
        FailureCase{"FixedTooSmall", std::string(30, 'A'), 101, kAztTooMuchData},
        FailureCase{"BeyondLargestSymbol", std::string(4000, '\x80'), 0, kAztTooMuchData},
        // 60 NUL bytes fill 8-bit words with stuffed bits: more than 64 data words,
        // which a compact mode message cannot count.
        FailureCase{"CompactCannotCountWords", std::string(60, '\0'), 104, kAztTooMuchData},
        // Stuffing leaves no check word in a fixed size that the plan bits fitted.
        FailureCase{"NoCheckWordLeft", std::string(14, '\0'), 201, kAztUnknownError},
        FailureCase{"EmptyInput", "", 0, kAztNoData},
        FailureCase{"EmptyRune", "", 300, kAztNoData}),
    [](const auto& info) { return info.param.name; });

TEST(SymbolChoice, AutomaticChoiceLeavesACompactSymbolThatCannotCountItsWords) {
    // 501 plan bits and 1 % would be compact 4 layers, but stuffing makes 72 words of 8 bits.
    const std::string zeros(60, '\0');
    TAztCoder coder;
    coder.SetData(zeros);
    coder.SetSizeMode(1);
    ASSERT_EQ(coder.Encode(), kAztOk);
    EXPECT_FALSE(coder.IsCompact());
    EXPECT_EQ(testing::ReadWithZxingCpp(testing::RenderSymbol(testing::SymbolMatrix(coder))).bytes,
              zeros);
}

// A negative size mode asks for fewer than no check words; the choice grows the symbol until at
// least one is left.
TEST(SymbolChoice, NegativeSizeModeStillLeavesACheckWord) {
    const std::string data = "Negative size modes 0123456789";
    for (int sizeMode : {-1, -50, std::numeric_limits<int32_t>::min()}) {
        TAztCoder coder;
        coder.SetData(data);
        coder.SetSizeMode(sizeMode);
        ASSERT_EQ(coder.Encode(), kAztOk) << sizeMode;
        EXPECT_GT(coder.Counts().check, 0);
        EXPECT_EQ(
            testing::ReadWithZxingCpp(testing::RenderSymbol(testing::SymbolMatrix(coder))).bytes,
            data);
    }
}

TEST(SymbolChoice, SymbolCountIsClampedAndWidensTheMatrix) {
    TAztCoder coder;
    coder.SetSizeMode(101);
    for (auto [count, symbols] : {std::pair{0, 1}, {3, 3}, {40, 26}}) {
        // One letter a symbol: no symbol is left without data.
        coder.SetData(std::string(static_cast<size_t>(symbols), 'A'));
        coder.SetSymbolCount(count);
        ASSERT_EQ(coder.Encode(), kAztOk);
        EXPECT_EQ(coder.Width(), symbols * 15 + symbols - 1) << count;
        EXPECT_EQ(coder.Height(), 15);
        EXPECT_EQ(coder.Matrix().size(), static_cast<size_t>(15 * ((coder.Width() + 7) / 8)));
    }
}

TEST(SymbolChoice, LayersForSize) {
    EXPECT_EQ(TAztCoder::LayersForSize(100), 20);
    EXPECT_EQ(TAztCoder::LayersForSize(19), 1);
    EXPECT_EQ(TAztCoder::LayersForSize(20), 2);
    EXPECT_EQ(TAztCoder::LayersForSize(151), 32);
    EXPECT_EQ(TAztCoder::LayersForSize(152), 32);
}

} // namespace
} // namespace lumetra
