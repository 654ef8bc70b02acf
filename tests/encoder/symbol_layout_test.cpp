#include "aztec_reader.h"
#include "lumetra/encoder/azt_result.h"
#include "lumetra/encoder/tazt_coder.h"
#include "mode_message_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumetra {
namespace {

std::vector<int> ModeMessageWords(const TAztCoder& coder) {
    const testing::SymbolMatrix matrix(coder);
    const int centre = coder.Height() / 2;
    return testing::ReadModeMessage(
               [&](int x, int y) { return matrix.Dark(centre + x, centre + y); })
        .words;
}

TEST(ModeMessage, CompactOneLayerWithFiveDataWords) {
    TAztCoder coder;
    coder.SetData("ABCDEF");
    coder.SetSizeMode(101);
    ASSERT_EQ(coder.Encode(), kAztOk);
    ASSERT_EQ(coder.Counts().data, 5);
    EXPECT_EQ(ModeMessageWords(coder), (std::vector<int>{0, 4, 10, 3, 11, 8, 4}));
}

TEST(ModeMessage, FullRangeCarriesLayersAndElevenBitsOfWordCount) {
    TAztCoder coder;
    coder.SetData(std::string(100, 'A'));
    coder.SetSizeMode(23);
    ASSERT_EQ(coder.Encode(), kAztOk);
    const std::vector<int> words = ModeMessageWords(coder);
    ASSERT_EQ(words.size(), 10u);
    // 4 layers and 63 words: L - 1 = 3 = 00011, K - 1 = 62 = 000 0011 1110.
    EXPECT_EQ(std::vector<int>(words.begin(), words.begin() + 4), (std::vector<int>{1, 8, 3, 14}));
}

TEST(ModeMessage, RuneWordsAreXoredWithTen) {
    TAztCoder coder;
    coder.SetData("123");
    coder.SetSizeMode(300);
    coder.SetSymbolCount(5);
    coder.SetMessageId("ID");
    ASSERT_EQ(coder.Encode(), kAztOk);
    EXPECT_EQ(coder.Width(), 11);
    EXPECT_EQ(coder.Height(), 11);
    EXPECT_EQ(ModeMessageWords(coder), (std::vector<int>{13, 1, 6, 2, 0, 0, 5}));
}

TEST(Layout, FullRangeLayersStepOverTheReferenceGrid) {
    TAztCoder coder;
    coder.SetData(std::string(600, 'x'));
    coder.SetSizeMode(222);
    ASSERT_EQ(coder.Encode(), kAztOk);
    const testing::SymbolMatrix matrix(coder);
    // Grid lines at 0 and +-16, +-32, +-48 from the centre: dark on even offsets, light on odd.
    const int centre = 54;
    for (int line : {-48, -32, -16, 0, 16, 32, 48}) {
        for (int t = -54; t <= 54; ++t) {
            const bool inCore = std::abs(line) <= 7 && std::abs(t) <= 7;
            if (inCore) continue;
            EXPECT_EQ(matrix.Dark(centre + line, centre + t), t % 2 == 0) << line << ' ' << t;
            EXPECT_EQ(matrix.Dark(centre + t, centre + line), t % 2 == 0) << line << ' ' << t;
        }
    }
    EXPECT_EQ(testing::ReadWithZxingCpp(testing::RenderSymbol(matrix)).bytes,
              std::string(600, 'x'));
}

} // namespace
} // namespace lumetra
