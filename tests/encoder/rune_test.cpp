#include "aztec_reader.h"
#include "lumetra/encoder/azt_result.h"
#include "lumetra/encoder/rune_value.h"
#include "lumetra/encoder/tazt_coder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace lumetra {
namespace {

int Rune(std::string_view text) {
    return RuneValue({reinterpret_cast<const uint8_t*>(text.data()), text.size()});
}

TEST(RuneValue, ReadsDecimalAndHexadecimalModulo256AsUnsigned) {
    const std::pair<std::string, int> cases[] = {{"123", 123},
                                                 {"  42", 42},
                                                 {"+7", 7},
                                                 {"256", 0},
                                                 {"511", 255},
                                                 {"-1", 255},
                                                 {"-256", 0},
                                                 {"-257", 255},
                                                 {"$FF", 255},
                                                 {"0x1A", 26},
                                                 {"0X1a", 26},
                                                 {"-$01", 255},
                                                 {"$FFFFFFFF", 255},
                                                 {"2147483647", 255},
                                                 {"-2147483648", 0},
                                                 {"2147483648", 0},
                                                 {"12a", 0},
                                                 {"1 ", 0},
                                                 {"", 0},
                                                 {"abc", 0},
                                                 {"-", 0},
                                                 {"$", 0},
                                                 {"0x", 0},
                                                 {"$100000000", 0}};
    for (const auto& [text, value] : cases) EXPECT_EQ(Rune(text), value) << '"' << text << '"';
}

// zxing-cpp 1.4 has no rune reader; zxing-wasm reports a rune's value as three decimal digits.
TEST(Rune, EveryValueReadsBack) {
    std::vector<testing::Image> images;
    for (int value = 0; value < 256; ++value) {
        TAztCoder coder;
        coder.SetData(std::to_string(value - 256 * (value % 3 == 1)));
        coder.SetSizeMode(300);
        ASSERT_EQ(coder.Encode(), kAztOk);
        ASSERT_EQ(coder.Layers(), 0);
        images.push_back(testing::RenderSymbol(testing::SymbolMatrix(coder)));
    }
    const std::vector<testing::Decoded> decoded = testing::ReadWithZxingWasm(images);
    ASSERT_EQ(decoded.size(), 256u);
    for (int value = 0; value < 256; ++value) {
        ASSERT_TRUE(decoded[value].ok) << value << ": " << decoded[value].error;
        char digits[4];
        std::snprintf(digits, sizeof digits, "%03d", value);
        EXPECT_EQ(decoded[value].bytes, digits);
    }
}

} // namespace
} // namespace lumetra
