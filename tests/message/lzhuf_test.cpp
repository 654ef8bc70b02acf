#include <gtest/gtest.h>

#include <random>
#include <string>

#include "lumetra/message/lzhuf_compress.h"
#include "lumetra/message/lzhuf_decompress.h"

namespace lumetra {
namespace {

std::string Bytes(std::initializer_list<uint8_t> bytes) {
    return std::string(bytes.begin(), bytes.end());
}

struct CompressExample {
    const char* name;
    std::string input;
    std::string code;
};

class CompressExamples : public testing::TestWithParam<CompressExample> {};

TEST_P(CompressExamples, GiveTheDocumentedBytes) {
    EXPECT_EQ(Compress(GetParam().input), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(
    Lzhuf, CompressExamples,
    testing::Values(CompressExample{"Empty", "", ""},
                    CompressExample{"Dash", "-", Bytes({0xDC, 0x80})},
                    CompressExample{"Abc", "abc", Bytes({0xF6, 0xFB, 0xBD, 0xE0})},
                    CompressExample{"TenA", std::string(10, 'a'), Bytes({0xF6, 0xC9, 0x00, 0x00})},
                    CompressExample{"FieldText", "2:12\t3:20240131\t4:ER\t-",
                                    Bytes({0xDF, 0x71, 0xB7, 0xB8, 0xB9, 0x5D, 0xFE, 0x26,
                                           0x0D, 0xE6, 0x0E, 0x05, 0xF6, 0x1D, 0xFD, 0xBC,
                                           0x2B, 0xBB, 0x7D, 0x1E, 0xF5, 0x9D, 0xC8})}),
    [](const auto& info) { return std::string(info.param.name); });

// The first tree gives symbols 0-115 9-bit codes and 116-313 8-bit codes.
TEST(Lzhuf, OneByteCodesToOneOrTwoBytes) {
    for (const auto& [byte, size] : {std::pair{0, 2u}, {115, 2u}, {116, 1u}, {255, 1u}}) {
        const std::string input(1, static_cast<char>(byte));
        const std::string code = Compress(input);
        EXPECT_EQ(code.size(), size) << byte;
        EXPECT_TRUE(Decompress(code, 1).bytes == input) << byte;
    }
}

std::string RandomBytes(size_t size, uint32_t seed) {
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (char& c : bytes) c = static_cast<char>(random());
    return bytes;
}

std::string RandomText(size_t size, uint32_t seed) {
    static constexpr std::string_view kWords[] = {
        "ООО ", "Пример ", "1000.00|", "RUR|", "µ3|", "\t", "2:", "Клиент ", "||", "20240131"};
    std::mt19937 random(seed);
    std::string text;
    while (text.size() < size) text += kWords[random() % std::size(kWords)];
    text.resize(size);
    return text;
}

struct RoundTrip {
    const char* name;
    std::string input;
};

class CompressRoundTrips : public testing::TestWithParam<RoundTrip> {};

TEST_P(CompressRoundTrips, DecompressGivesTheInputBack) {
    const std::string& input = GetParam().input;
    const std::string code = Compress(input);
    const DecompressResult result = Decompress(code, static_cast<uint16_t>(input.size()));
    ASSERT_EQ(result.status, DecompressStatus::kOk);
    EXPECT_TRUE(result.bytes == input) << "sizes " << result.bytes.size() << " " << input.size();
}

INSTANTIATE_TEST_SUITE_P(
    Lzhuf, CompressRoundTrips,
    testing::Values(RoundTrip{"Empty", ""}, RoundTrip{"OneByte", "\xFF"},
                    RoundTrip{"Sixty", RandomText(60, 1)}, RoundTrip{"SixtyOne", RandomText(61, 2)},
                    RoundTrip{"LeadingSpaces", std::string(100, ' ') + "x" + std::string(70, ' ')},
                    RoundTrip{"RingWrapOfRepeats", std::string(9000, 'q')},
                    RoundTrip{"Text100K", RandomText(100'000, 3)},
                    RoundTrip{"Random100K", RandomBytes(100'000, 4)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Lzhuf, LeadingSpacesMatchTheRingsInitialSpaces) {
    // One match symbol and its position code instead of 40 literals.
    EXPECT_LE(Compress(std::string(40, ' ')).size(), 4u);
}

TEST(Lzhuf, DecompressTellsTruncatedFromTooLong) {
    const std::string input = RandomText(500, 5);
    const std::string code = Compress(input);
    const auto length = static_cast<uint16_t>(input.size());

    EXPECT_EQ(Decompress(code.substr(0, code.size() / 2), length).status,
              DecompressStatus::kTruncated);
    EXPECT_EQ(Decompress(code, length + 1).status, DecompressStatus::kTruncated);
    EXPECT_EQ(Decompress(code, length - 1).status, DecompressStatus::kLengthMismatch);
    EXPECT_EQ(Decompress(code + std::string(3, '\xA5'), length).status,
              DecompressStatus::kLengthMismatch);
}

TEST(Lzhuf, LengthsPast16BitsDecodeByTheirLowBits) {
    const std::string input = RandomText(70'000, 6);
    const DecompressResult result =
        Decompress(Compress(input), static_cast<uint16_t>(input.size()));
    ASSERT_EQ(result.status, DecompressStatus::kOk);
    EXPECT_TRUE(result.bytes == input);
}

} // namespace
} // namespace lumetra
