#include "aztec_reader.h"
#include "lumetra/encoder/azt_result.h"
#include "lumetra/encoder/symbol_sizes.h"
#include "lumetra/encoder/tazt_coder.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace lumetra {
namespace {

std::string RandomBinary(std::mt19937& rng, size_t length) {
    std::string s(length, '\0');
    for (char& c : s) c = static_cast<char>(rng() & 0xFF);
    return s;
}

// Text that needs every mode, shift and pair symbol, with the odd binary byte.
std::string RandomText(std::mt19937& rng, size_t length) {
    static const std::string kPieces[] = {
        "ABC",      "Z",    " ",    "hello",    "q",     "x",
        "0123",     "7",    "42.5", "1,000",    "\r\n",  ". ",
        ", ",       ": ",   "!",    "?",        "#$%",   "(a)",
        "[b]",      "{c}",  "@",    "\\",       "^_`|~", "\x7f",
        "\x01\x02", "\x1b", "\r",   "\xC0\xE1", "\x80",  std::string(1, '\0'),
        "Ab",       "aB",   "9a",   "a9",       "A=1;",  "a.b"};
    std::string s;
    while (s.size() < length) s += kPieces[rng() % std::size(kPieces)];
    s.resize(length);
    return s;
}

// Each layer count once, filled to about half of its raw capacity.
TEST(RoundTrip, EveryLayerCountAtForcedSize) {
    std::mt19937 rng(1);
    testing::RoundTrip reader;
    for (bool compact : {true, false}) {
        for (int layers = 1; layers <= (compact ? 4 : 32); ++layers) {
            const int raw = RawCapacityBits(compact, layers);
            const std::string data =
                layers % 2 ? RandomText(rng, raw / 14) : RandomBinary(rng, raw / 20);
            TAztCoder coder;
            coder.SetData(data);
            coder.SetSizeMode((compact ? 100 : 200) + layers);
            const std::string label = (compact ? "compact " : "full ") + std::to_string(layers);
            ASSERT_EQ(coder.Encode(), kAztOk) << label;
            ASSERT_EQ(coder.Layers(), layers);
            reader.Add(coder, data, label);
        }
    }
    EXPECT_EQ(reader.WasmCount(), 10) << "23-32 layers go to zxing-wasm";
    reader.Check();
}

TEST(RoundTrip, AutomaticSizeOverManyLengths) {
    std::mt19937 rng(2);
    testing::RoundTrip reader;
    // Up to the longest random binary that one symbol holds at each size mode.
    for (auto [sizeMode, longest] : {std::pair{0, 1700}, {23, 1700}, {50, 1000}}) {
        for (int length = 1; length <= longest; length += 1 + length / 4) {
            for (bool text : {true, false}) {
                const std::string data = text ? RandomText(rng, length) : RandomBinary(rng, length);
                TAztCoder coder;
                coder.SetData(data);
                coder.SetSizeMode(sizeMode);
                const int result = coder.Encode();
                const std::string label = std::to_string(sizeMode) +
                                          (text ? " text " : " binary ") + std::to_string(length);
                if (result == kAztTooMuchData) continue;
                ASSERT_EQ(result, kAztOk) << label;
                reader.Add(coder, data, label);
            }
        }
    }
    EXPECT_GT(reader.WasmCount(), 0) << "the lengths reach 12-bit-word symbols";
    reader.Check();
}

TEST(RoundTrip, LeadingGroupSeparator) {
    const std::string data = "\x1d"
                             "0102 GS1-like";
    TAztCoder coder;
    coder.SetData(data);
    ASSERT_EQ(coder.Encode(), kAztOk);
    testing::RoundTrip reader;
    reader.Add(coder, data, "leading 0x1D");
    EXPECT_EQ(reader.WasmCount(), 1);
    reader.Check();
}

TEST(RoundTrip, BinaryRunsAroundTheLengthLimits) {
    std::mt19937 rng(3);
    testing::RoundTrip reader;
    for (int length : {31, 32, 62, 63, 2078, 2079}) {
        const std::string data = "Ab" + RandomBinary(rng, length) + "9z";
        TAztCoder coder;
        coder.SetData(data);
        coder.SetSizeMode(5);
        ASSERT_EQ(coder.Encode(), kAztOk) << length;
        reader.Add(coder, data, "binary run " + std::to_string(length));
    }
    reader.Check();
}

// Letters K (01100) and digits 5 (0111) never trigger a stuffed bit, so the padding of the last
// word is exactly words * m - bits.
TEST(RoundTrip, EveryPaddingLengthInEveryWordSize) {
    testing::RoundTrip reader;
    for (auto [sizeMode, m] : {std::pair{101, 6}, {103, 8}, {209, 10}, {223, 12}}) {
        for (int padding = 0; padding < m; ++padding) {
            bool found = false;
            for (int letters = 1; letters < 40 && !found; ++letters) {
                for (int digits = 0; digits < 8 && !found; ++digits) {
                    const int bits = 5 * letters + (digits > 0 ? 5 + 4 * digits : 0);
                    const int words = (bits + m - 1) / m;
                    if (words * m - bits != padding) continue;
                    found = true;
                    const std::string data = std::string(letters, 'K') + std::string(digits, '5');
                    TAztCoder coder;
                    coder.SetData(data);
                    coder.SetSizeMode(sizeMode);
                    ASSERT_EQ(coder.Encode(), kAztOk);
                    ASSERT_EQ(coder.Counts().data, words) << "a stuffed bit changed the padding";
                    reader.Add(coder, data,
                               std::to_string(m) + "-bit words, padding " +
                                   std::to_string(padding));
                }
            }
            ASSERT_TRUE(found) << m << ' ' << padding;
        }
    }
    reader.Check();
}

// Each byte value right after text in each mode, and again in a run of its own kind.
TEST(RoundTrip, EveryByteValueInEveryModeContext) {
    const std::string contexts[] = {"ABCDEFGH", "abcdefgh", "\x01\x02\x03\x04\x05\x06",
                                    "!#$%&()*", "12345678", "\x80\x81\x82\x83"};
    testing::RoundTrip reader;
    for (const std::string& context : contexts) {
        for (int first = 0; first < 256; first += 32) {
            std::string data = context;
            for (int b = first; b < first + 32; ++b) {
                data += static_cast<char>(b);
                data += context.substr(0, 2 + b % 3);
            }
            TAztCoder coder;
            coder.SetData(data);
            ASSERT_EQ(coder.Encode(), kAztOk);
            reader.Add(coder, data,
                       "context " + context.substr(0, 2) + " from byte " + std::to_string(first));
        }
    }
    reader.Check();
}

} // namespace
} // namespace lumetra
