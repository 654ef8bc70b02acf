#include <gtest/gtest.h>

#include <random>
#include <string>

#include "lumetra/message/scrambler.h"
#include "tests/message/char_classes.h"

namespace lumetra {
namespace {

using testing_support::ClassOf;
using testing_support::InversePermutation;

std::string AllBytesTwice() {
    std::string bytes;
    for (int round = 0; round < 2; ++round) {
        for (int b = 0; b < 256; ++b) bytes.push_back(static_cast<char>(b));
    }
    return bytes;
}

TEST(Scrambler, EveryByteStaysInTheClassOfItsPermutedValue) {
    const std::array<uint8_t, 256> inverse = InversePermutation();
    const std::string input = AllBytesTwice();
    for (const uint32_t counter : {0u, 1u, 4711u, 0xFFFFFFFEu, 0xFFFFFFFFu}) {
        const std::string out = Scramble(input, counter);
        ASSERT_EQ(out.size(), input.size() + 4);
        for (size_t i = 0; i < input.size(); ++i) {
            const uint8_t original = static_cast<uint8_t>(input[i]);
            const uint8_t scrambled = static_cast<uint8_t>(out[i + 4]);
            EXPECT_EQ(ClassOf(scrambled), ClassOf(inverse[original]))
                << "byte " << int(original) << " counter " << counter;
        }
        EXPECT_EQ(Unscramble(out), input);
    }
}

TEST(Scrambler, SeedBytesAreNeverZeroAndFollowTheCounter) {
    std::mt19937 random(11);
    std::string previous;
    for (int i = 0; i < 2000; ++i) {
        const uint32_t counter = i < 1000 ? static_cast<uint32_t>(i) : random();
        const std::string seed = Scramble("", counter);
        ASSERT_EQ(seed.size(), 4u);
        EXPECT_EQ(seed.find('\0'), std::string::npos) << counter;
        EXPECT_NE(seed, previous) << counter;
        EXPECT_EQ(Scramble("", counter), seed);
        previous = seed;
    }
}

TEST(Scrambler, SingleMemberClassesPassUnchanged) {
    const std::string fixed("\0\n\r ", 4);
    EXPECT_EQ(Scramble(fixed, 99).substr(4), fixed);
}

TEST(Scrambler, UnscrambleTakesAnyBody) {
    EXPECT_EQ(Unscramble(""), "");
    EXPECT_EQ(Unscramble("abc"), "");
    EXPECT_EQ(Unscramble(std::string(4, '\0') + "xyz").size(), 3u);
}

} // namespace
} // namespace lumetra
