#include "aztec_reader.h"
#include "lumetra/encoder/azt_result.h"
#include "lumetra/encoder/structured_append.h"
#include "lumetra/encoder/tazt_coder.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace lumetra {
namespace {

std::vector<uint8_t> Bytes(std::string_view s) {
    return {s.begin(), s.end()};
}

// Reads the first `read` of `count` symbols with zxing-wasm; they must come in order and join to
// `data`.
void ExpectSequence(const TAztCoder& coder, int read, int count, const std::string& data) {
    const testing::SymbolMatrix matrix(coder);
    std::vector<testing::Image> images;
    for (int i = 0; i < read; ++i) images.push_back(testing::RenderSymbol(matrix, i));
    const std::vector<testing::Decoded> decoded = testing::ReadWithZxingWasm(images);
    ASSERT_EQ(decoded.size(), static_cast<size_t>(read));
    std::string joined;
    for (int i = 0; i < read; ++i) {
        ASSERT_TRUE(decoded[i].ok) << i << ": " << decoded[i].error;
        EXPECT_EQ(decoded[i].sequenceIndex, i);
        EXPECT_EQ(decoded[i].sequenceSize, count);
        joined += decoded[i].bytes;
    }
    EXPECT_EQ(joined, data);
}

TEST(StructuredAppendHeader, CodesWithAndWithoutId) {
    EXPECT_EQ(StructuredAppendHeader(2, {}), (std::vector<uint8_t>{29, 29, 2, 3}));
    EXPECT_EQ(StructuredAppendHeader(3, Bytes("QX")),
              (std::vector<uint8_t>{29, 29, 1, 18, 25, 1, 2, 4}));
    EXPECT_EQ(StructuredAppendHeader(26, {}), (std::vector<uint8_t>{29, 29, 2, 27}));
}

struct AppendCase {
    int count;
    std::string id;
    std::string expectedId;
};

class StructuredAppend : public ::testing::TestWithParam<AppendCase> {};

// zxing-cpp reads each symbol's position, count and ID; the pieces join to the input.
TEST_P(StructuredAppend, SymbolsReadBackInOrderAndJoinToTheInput) {
    const AppendCase& c = GetParam();
    std::mt19937 rng(c.count);
    std::string data;
    for (int i = 0; i < 30 * c.count; ++i) data += "Ab1 .,\x80"[rng() % 7];
    TAztCoder coder;
    coder.SetData(data);
    coder.SetSymbolCount(c.count);
    coder.SetMessageId(c.id);
    ASSERT_EQ(coder.Encode(), kAztOk);
    const testing::SymbolMatrix matrix(coder);
    ASSERT_EQ(matrix.SymbolCount(), c.count);
    ASSERT_EQ(matrix.width, c.count * matrix.height + c.count - 1);
    std::string joined;
    for (int i = 0; i < c.count; ++i) {
        for (int row = 0; i > 0 && row < matrix.height; ++row)
            EXPECT_FALSE(matrix.Dark(i * (matrix.height + 1) - 1, row))
                << "gap before symbol " << i;
        const testing::Decoded decoded =
            testing::ReadWithZxingCpp(testing::RenderSymbol(matrix, i));
        ASSERT_TRUE(decoded.ok) << "symbol " << i << ": " << decoded.error;
        EXPECT_EQ(decoded.sequenceIndex, i);
        EXPECT_EQ(decoded.sequenceSize, c.count);
        EXPECT_EQ(decoded.sequenceId, c.expectedId);
        joined += decoded.bytes;
    }
    EXPECT_EQ(joined, data);
}

std::vector<AppendCase> AllCounts() {
    std::vector<AppendCase> cases;
    for (int count = 2; count <= 26; ++count) {
        cases.push_back({count, "", ""});
        cases.push_back({count, count % 2 ? "QX" : "42", count % 2 ? "QX" : "AA"});
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(TwoToTwentySix, StructuredAppend, ::testing::ValuesIn(AllCounts()),
                         [](const auto& info) {
                             return std::to_string(info.param.count) +
                                    (info.param.id.empty() ? "" : "_id");
                         });

TEST(StructuredAppend, OneSymbolIgnoresTheMessageId) {
    TAztCoder coder;
    coder.SetData("ONE");
    coder.SetMessageId("ID");
    ASSERT_EQ(coder.Encode(), kAztOk);
    const testing::Decoded decoded =
        testing::ReadWithZxingCpp(testing::RenderSymbol(testing::SymbolMatrix(coder)));
    EXPECT_EQ(decoded.bytes, "ONE");
    EXPECT_EQ(decoded.sequenceSize, -1);
}

// Two letters cannot fill three symbols: the last would carry the header only, which no reader
// accepts (zxing-cpp 1.4 crashes, 3.x reports nothing), so the count is refused, in every size mode.
TEST(StructuredAppend, MoreSymbolsThanTheDataFillsAreRefused) {
    for (const int32_t sizeMode : {0, 50, 203}) {
        TAztCoder coder;
        coder.SetData("AB");
        coder.SetSizeMode(sizeMode);
        coder.SetSymbolCount(3);
        EXPECT_EQ(coder.Encode(), kAztBadParameters) << sizeMode;
        coder.SetSymbolCount(2);
        ASSERT_EQ(coder.Encode(), kAztOk) << sizeMode;
        ExpectSequence(coder, 2, 2, "AB");
    }
}

TEST(StructuredAppend, LongBinaryRunOverThreeSymbols) {
    std::mt19937 rng(5000);
    std::string data(5000, '\0');
    for (char& c : data) c = static_cast<char>(rng());
    TAztCoder coder;
    coder.SetData(data);
    coder.SetSymbolCount(3);
    coder.SetSizeMode(10);
    ASSERT_EQ(coder.Encode(), kAztOk);
    ASSERT_GE(coder.Layers(), 23);
    ExpectSequence(coder, 3, 3, data);
}

} // namespace
} // namespace lumetra
