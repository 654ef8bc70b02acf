#include "lumetra/output/gif_lzw.h"
#include "lumetra/output/image_writers.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace lumetra {
namespace {

using namespace test;

struct Decoded {
    std::vector<std::uint8_t> indices;
    int clears = 0;
    int widest = 0;
    bool ended = false;
    bool trailingBitsZero = false;
};

// A plain GIF LZW reader (minimum code size 2) written from the format's description.
Decoded DecodeLzw(const std::vector<std::uint8_t>& bytes) {
    Decoded out;
    std::size_t bit = 0;
    const auto read = [&](int width, int& code) {
        if (bit + width > bytes.size() * 8) return false;
        code = 0;
        for (int i = 0; i < width; ++i, ++bit) code |= ((bytes[bit / 8] >> (bit % 8)) & 1) << i;
        return true;
    };
    std::vector<std::vector<std::uint8_t>> table;
    int width = 3;
    int previous = -1;
    const auto reset = [&] {
        table = {{0}, {1}, {2}, {3}, {}, {}};
        width = 3;
        previous = -1;
    };
    reset();
    int code = 0;
    while (read(width, code)) {
        out.widest = std::max(out.widest, width);
        if (code == 4) {
            ++out.clears;
            reset();
            continue;
        }
        if (code == 5) {
            out.ended = true;
            break;
        }
        std::vector<std::uint8_t> entry;
        if (code < int(table.size()))
            entry = table[code];
        else if (code == int(table.size()) && previous >= 0)
            entry = table[previous], entry.push_back(table[previous][0]);
        else
            return out; // a code the reader cannot know
        out.indices.insert(out.indices.end(), entry.begin(), entry.end());
        if (previous >= 0 && table.size() < 4096) {
            table.push_back(table[previous]);
            table.back().push_back(entry[0]);
        }
        previous = code;
        if (int(table.size()) == 1 << width && width < 12) ++width;
    }
    out.trailingBitsZero = bit % 8 == 0 || (bytes.back() >> (bit % 8)) == 0;
    out.ended = out.ended && (bit + 7) / 8 == bytes.size();
    return out;
}

struct LzwCase {
    const char* name;
    std::vector<std::uint8_t> indices;
    int minClears; // the opening clear code plus the table resets expected at least
};

void PrintTo(const LzwCase& c, std::ostream* os) {
    *os << c.name;
}

std::vector<std::uint8_t> Noise(std::size_t count) {
    std::vector<std::uint8_t> indices(count);
    std::uint32_t state = 12345;
    for (auto& index : indices) index = (state = state * 1103515245u + 12345u) >> 30 & 1;
    return indices;
}

class GifLzw : public testing::TestWithParam<LzwCase> {};

TEST_P(GifLzw, ReaderGetsTheIndicesBack) {
    const auto& indices = GetParam().indices;
    const Decoded decoded = DecodeLzw(GifLzwEncode(indices));
    EXPECT_TRUE(decoded.ended);
    EXPECT_TRUE(decoded.trailingBitsZero);
    EXPECT_GE(decoded.clears, GetParam().minClears);
    EXPECT_EQ(decoded.indices, indices);
}

INSTANTIATE_TEST_SUITE_P(
    Images, GifLzw,
    testing::Values(LzwCase{"empty", {}, 1}, LzwCase{"onePixel", {1}, 1},
                    LzwCase{"twoPixels", {0, 0}, 1},
                    LzwCase{"fillsThreeBitCodes", {0, 1, 0, 1, 1, 0, 0, 0, 1, 1, 1, 0}, 1},
                    LzwCase{"uniformLarge", std::vector<std::uint8_t>(400 * 400, 1), 1},
                    LzwCase{"noiseFillsTheTableRepeatedly", Noise(300 * 300), 3}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GifLzw, CodesWidenToTwelveBitsAndNoFurther) {
    EXPECT_EQ(DecodeLzw(GifLzwEncode(Noise(300 * 300))).widest, 12);
}

// Splits the file after the fixed parts; checks the sub-block framing on the way.
struct GifParts {
    std::vector<std::uint8_t> head;
    std::vector<std::uint8_t> codes;
    std::vector<std::size_t> blockSizes;
    std::vector<std::uint8_t> tail;
};

GifParts SplitGif(const std::vector<std::uint8_t>& file, std::size_t headBytes) {
    GifParts parts;
    parts.head.assign(file.begin(), file.begin() + headBytes);
    std::size_t at = headBytes;
    while (at < file.size() && file[at] != 0) {
        const std::size_t size = file[at];
        parts.blockSizes.push_back(size);
        parts.codes.insert(parts.codes.end(), file.begin() + at + 1,
                           file.begin() + std::min(file.size(), at + 1 + size));
        at += 1 + size;
    }
    parts.tail.assign(file.begin() + std::min(at, file.size()), file.end());
    return parts;
}

TEST(WriteGif, FileIsGif87aWithTheCommentAndBlackAsIndexZero) {
    const ModuleMatrix matrix = Scatter(23, 17);
    const int moduleSize = 3;
    ScratchDir dir;
    ASSERT_TRUE(WriteGif(matrix, moduleSize, dir.File("code.gif")));
    const auto file = ReadBytes(dir.File("code.gif"));

    const std::vector<std::uint8_t> head = {
        'G', 'I', 'F', '8', '7', 'a', 69, 0, 51, 0, 0xF0, 0, 0, // screen 69 x 51
        0, 0, 0, 0xFF, 0xFF, 0xFF,                              // black, white
        0x21, 0xFE, 14, 'Q', 'u', 'i', 'l', 'l', 'o', 'n', ' ', 'W', 'r', 'i', 't', 'e', 'r', 0,
        0x2C, 0, 0, 0, 0, 69, 0, 51, 0, 0, // image at (0, 0), 69
                                           // x 51
        2,                                 // minimum code size
    };
    const GifParts parts = SplitGif(file, head.size());
    EXPECT_EQ(parts.head, head);
    EXPECT_EQ(parts.tail, (std::vector<std::uint8_t>{0, 0x3B}));
    ASSERT_GT(parts.blockSizes.size(), 1u);
    for (std::size_t i = 0; i + 1 < parts.blockSizes.size(); ++i)
        EXPECT_EQ(parts.blockSizes[i], 254u);

    const Decoded decoded = DecodeLzw(parts.codes);
    EXPECT_TRUE(decoded.ended);
    ASSERT_EQ(decoded.indices.size(), 69u * 51u);
    for (int y = 0; y < 51; ++y)
        for (int x = 0; x < 69; ++x)
            ASSERT_EQ(decoded.indices[y * 69 + x], matrix.Dark(x / 3, y / 3) ? 0 : 1)
                << x << "," << y;
}

TEST(WriteGif, ModuleSizeBelowOneFailsAndWritesNothing) {
    ScratchDir dir;
    EXPECT_FALSE(WriteGif(Scatter(19, 19), 0, dir.File("code.gif")));
    EXPECT_FALSE(WriteGif(Scatter(19, 19), -1, dir.File("code.gif")));
    EXPECT_TRUE(dir.Names().empty());
}

} // namespace
} // namespace lumetra
