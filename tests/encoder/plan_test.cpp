#include "lumetra/encoder/tazt_coder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumetra {
namespace {

// Plan items as the optimiser writes them.
using Plan = std::vector<uint8_t>;
Plan Run(int n) {
    return {0, static_cast<uint8_t>(n & 0xFF), static_cast<uint8_t>(n >> 8)};
}
const Plan kLatchUpper = {1}, kLatchLower = {2}, kLatchDigit = {5};
const Plan kBinaryShift = {6}, kUpperShift = {7}, kPunctShift = {8};

Plan Join(std::initializer_list<Plan> items) {
    Plan plan;
    for (const Plan& item : items) plan.insert(plan.end(), item.begin(), item.end());
    return plan;
}

struct PlanCase {
    std::string name;
    std::string input;
    Plan plan;
    int bits;
};

class Optimiser : public ::testing::TestWithParam<PlanCase> {};

// EstimateFit replays the plan in counting mode, so TotalBits is what the emitter writes.
TEST_P(Optimiser, FindsTheCheapestPlanAndTheEmitterWritesItsBitCount) {
    const PlanCase& c = GetParam();
    TAztCoder coder;
    coder.SetData(c.input);
    coder.EstimateFit(23);
    EXPECT_EQ(coder.Plan(), c.plan);
    EXPECT_EQ(coder.TotalBits(), c.bits);
}

const std::string kCrLf = "\r\n";

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, Optimiser,
    ::testing::Values(
        PlanCase{"Upper", "ABC", Run(3), 15},
        PlanCase{"Lower", "abc", Join({kLatchLower, Run(3)}), 20},
        PlanCase{"Digits", "12345678", Join({kLatchDigit, Run(8)}), 37},
        PlanCase{"HelloWorld", "Hello, World",
                 Join({Run(1), kLatchLower, Run(4), kPunctShift, kUpperShift, Run(4)}), 70},
        PlanCase{"Assignments", "A=12;B=345",
                 Join({Run(1), kLatchDigit, kPunctShift, Run(2), kPunctShift, kUpperShift,
                       kPunctShift, Run(3)}),
                 66},
        PlanCase{"BinaryThenText", "\xC0\xC1\xC2 ok",
                 Join({kBinaryShift, Run(3), kLatchUpper, kLatchLower, Run(3)}), 54},
        PlanCase{"CrLfLatchFirstOnTie", kCrLf + kCrLf + kCrLf + "x",
                 Join({kLatchLower, kPunctShift, kPunctShift, kPunctShift, Run(1)}), 40},
        PlanCase{"Empty", "", {}, 0},
        // A pair is never split: ". " after digits stays two Digit codes.
        PlanCase{"DotSpaceInDigits", "12. 34", Join({kLatchDigit, Run(6)}), 5 + 6 * 4},
        PlanCase{"CommaSpaceFromUpper", "A, B", Join({Run(1), kPunctShift, Run(1)}), 20},
        // ": " has no Digit code: a Punct Shift inside the digits.
        PlanCase{"ColonSpaceInDigits", "12: 34", Join({kLatchDigit, Run(2), kPunctShift, Run(2)}),
                 5 + 8 + 9 + 8},
        PlanCase{"BinaryRun31", std::string(31, '\x80'), Join({kBinaryShift, Run(31)}), 10 + 248},
        PlanCase{"BinaryRun32", std::string(32, '\x80'), Join({kBinaryShift, Run(32)}),
                 10 + 256 + 11},
        // 31 + 2047 bytes is the longest run the length field can say; the next byte shifts again.
        PlanCase{"BinaryRun2078", std::string(2078, '\xAA'), Join({kBinaryShift, Run(2078)}),
                 10 + 11 + 8 * 2078},
        PlanCase{"BinaryRun2079", std::string(2079, '\xAA'),
                 Join({kBinaryShift, Run(2078), kLatchUpper, kBinaryShift, Run(1)}),
                 10 + 11 + 8 * 2078 + 10 + 8},
        PlanCase{"NulAndControlBytes", std::string("\0\x0E\x1A", 3), Join({kBinaryShift, Run(3)}),
                 10 + 24}),
    [](const auto& info) { return info.param.name; });

TEST(Optimiser, BudgetStopsAPlanSoonAfterItsShare) {
    TAztCoder coder;
    coder.SetData(std::string(400, 'A'));
    coder.SetSymbolCount(4);
    coder.SetSizeMode(23);
    ASSERT_EQ(coder.Encode(), 0);
    // The last symbol's plan holds the rest: a quarter of 400 letters, give or take a few.
    ASSERT_EQ(coder.Plan().size(), 3u);
    const int rest = coder.Plan()[1] | coder.Plan()[2] << 8;
    EXPECT_GE(rest, 90);
    EXPECT_LE(rest, 100);
}

TEST(EstimateFit, CountsTheBytesThatFitTheBudget) {
    TAztCoder coder;
    coder.SetData(std::string(100, 'A'));
    coder.SetSizeMode(201);
    // 128 raw bits, 77 % of them: 98 bits hold 19 letters of 5 bits.
    EXPECT_EQ(coder.EstimateFit(23), 98);
    EXPECT_EQ(coder.TotalBits(), 500);
    EXPECT_EQ(coder.FitCount(), 19);

    coder.SetSymbolCount(2);
    coder.SetMessageId("ID");
    EXPECT_EQ(coder.EstimateFit(23), 2 * (98 - 30 - 20));
}

} // namespace
} // namespace lumetra
