#include "lumetra/encoder/treed_solomon.h"

#include <gtest/gtest.h>

#include <vector>

namespace lumetra {
namespace {

struct CheckCase {
    int wordSize;
    int fieldSize;
    int polynomial;
    std::vector<int> data;
    std::vector<int> whole;
};

class CheckWords : public ::testing::TestWithParam<CheckCase> {};

TEST_P(CheckWords, AppendsTheRemainderAndLeavesDataAndSpareAlone) {
    const CheckCase& c = GetParam();
    TReedSolomon coder;
    coder.SetField(c.wordSize);
    EXPECT_EQ(coder.FieldSize(), c.fieldSize);
    EXPECT_EQ(coder.Polynomial(), c.polynomial);
    for (size_t i = 0; i < c.data.size(); ++i) coder.Words()[i] = c.data[i];
    const int k = static_cast<int>(c.data.size());
    const int e = static_cast<int>(c.whole.size()) - k;
    coder.ComputeCheckWords({e, k, k + e});
    EXPECT_EQ(std::vector<int>(coder.Words(), coder.Words() + k + e), c.whole);
    EXPECT_EQ(coder.Words()[k + e], 0);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, CheckWords,
    ::testing::Values(CheckCase{4, 16, 19, {0, 4}, {0, 4, 10, 3, 11, 8, 4}},
                      CheckCase{4, 16, 19, {2, 0, 6, 3}, {2, 0, 6, 3, 7, 14, 10, 8, 4, 14}},
                      CheckCase{6, 64, 67, {1, 2, 3, 4, 5}, {1, 2, 3, 4, 5, 31, 27, 34, 19, 44}},
                      // Zero feedback words only shift the register.
                      CheckCase{4, 16, 19, {0, 0}, {0, 0, 0, 0, 0, 0, 0}}));

TEST(ReedSolomon, SmallFieldAfterALargeOneGivesTheSameWordsAsAFreshCoder) {
    TReedSolomon coder;
    coder.SetField(12);
    for (int i = 0; i < 1000; ++i) coder.Words()[i] = (i * 37) % 4096;
    coder.ComputeCheckWords({664, 1000, 1664});
    coder.SetField(4);
    coder.Words()[0] = 0;
    coder.Words()[1] = 4;
    coder.ComputeCheckWords({5, 2, 7});
    EXPECT_EQ(std::vector<int>(coder.Words(), coder.Words() + 7),
              (std::vector<int>{0, 4, 10, 3, 11, 8, 4}));
}

} // namespace
} // namespace lumetra
