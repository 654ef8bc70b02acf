#include <gtest/gtest.h>

#include <set>
#include <string>
#include <thread>
#include <vector>

#include "lumetra/message/crc32.h"
#include "lumetra/message/message_codec.h"
#include "lumetra/message/scrambler.h"
#include "lumetra/message/seed_source.h"

namespace lumetra {
namespace {

SeedSource Fixed(uint32_t counter) {
    return [counter] { return counter; };
}

std::string RunCodec(std::string_view input, std::string_view id, const SeedSource& seed) {
    TMessageCodec codec(seed);
    codec.SetInput(input);
    codec.SetIdentifier(TDocIdClass(id));
    EXPECT_TRUE(codec.SetMode('N'));
    EXPECT_TRUE(codec.Run());
    return codec.Output();
}

uint32_t LittleEndian32(std::string_view bytes) {
    return static_cast<uint8_t>(bytes[0]) | static_cast<uint8_t>(bytes[1]) << 8 |
           static_cast<uint8_t>(bytes[2]) << 16 |
           static_cast<uint32_t>(static_cast<uint8_t>(bytes[3])) << 24;
}

TEST(Crc32, CheckValue) {
    EXPECT_EQ(Crc32("123456789"), 0xCBF43926u);
    EXPECT_EQ(Crc32(""), 0u);
}

TEST(MessageCodec, DashGivesTheTwentyTwoBytePreparedString) {
    const std::string out = RunCodec("-", "13", Fixed(12345));
    ASSERT_EQ(out.size(), 22u);
    EXPECT_EQ(out.substr(0, 10), "KVT13400N\t");
    const std::string_view body = std::string_view(out).substr(14);
    EXPECT_EQ(LittleEndian32(std::string_view(out).substr(10, 4)), Crc32(body));
    EXPECT_EQ(body.substr(0, 4).find('\0'), std::string_view::npos);
    EXPECT_EQ(Unscramble(body), std::string("\x01\x00\xDC\x80", 4));
    // The length's high byte is 0, a class of its own: never changed.
    EXPECT_EQ(body[5], '\0');
}

TEST(MessageCodec, HeaderWritesTheIdentifiersTextForm) {
    EXPECT_EQ(RunCodec("-", "DC13", Fixed(1)).substr(0, 10), "KVT13400N\t");
    EXPECT_EQ(RunCodec("-", "0J", Fixed(1)).substr(0, 10), "KVT0J400N\t");
    EXPECT_EQ(RunCodec("-", "ABCD", Fixed(1)).substr(0, 12), "KVTABCD400N\t");
}

TEST(MessageCodec, OutputDependsOnlyOnInputAndSeed) {
    EXPECT_EQ(RunCodec("2:1\t-", "13", Fixed(7)), RunCodec("2:1\t-", "13", Fixed(7)));
    EXPECT_NE(RunCodec("2:1\t-", "13", Fixed(7)), RunCodec("2:1\t-", "13", Fixed(8)));
}

TEST(MessageCodec, OnlyModeNRuns) {
    TMessageCodec codec(Fixed(1));
    codec.SetInput("-");
    EXPECT_FALSE(codec.Run());
    EXPECT_FALSE(codec.SetMode('B'));
    EXPECT_FALSE(codec.Run());
    EXPECT_TRUE(codec.Output().empty());
}

TEST(SeedCounter, FollowsTheTickAndStepsWhileItStandsStill) {
    SeedCounter counter;
    EXPECT_EQ(counter.Next(100), 100u);
    EXPECT_EQ(counter.Next(100), 101u);
    EXPECT_EQ(counter.Next(100), 102u);
    EXPECT_EQ(counter.Next(101), 103u); // behind the counter: still one step
    EXPECT_EQ(counter.Next(500), 500u);
    EXPECT_EQ(counter.Next(3), 501u); // a tick that wrapped
}

TEST(SeedCounter, TwoThreadsNeverGetTheSameValue) {
    SeedCounter counter;
    constexpr int kPerThread = 20000;
    std::vector<uint32_t> first, second;
    auto run = [&counter](std::vector<uint32_t>& values) {
        for (int i = 0; i < kPerThread; ++i) values.push_back(counter.Next(1000 + i / 100));
    };
    std::thread a(run, std::ref(first));
    std::thread b(run, std::ref(second));
    a.join();
    b.join();
    std::set<uint32_t> all(first.begin(), first.end());
    all.insert(second.begin(), second.end());
    EXPECT_EQ(all.size(), 2u * kPerThread);
}

TEST(SeedCounter, ClockSeedsDifferWithinOneMillisecond) {
    std::set<uint32_t> seeds;
    for (int i = 0; i < 100; ++i) seeds.insert(ClockSeed());
    EXPECT_EQ(seeds.size(), 100u);
}

} // namespace
} // namespace lumetra
