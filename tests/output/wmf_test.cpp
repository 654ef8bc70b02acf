#include "lumetra/output/image_writers.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace lumetra {
namespace {

using namespace test;

constexpr std::size_t kPlaceable = 22;

struct WmfRecord {
    std::uint32_t words;
    std::uint16_t function;
    std::size_t at;
    std::int16_t Parameter(const std::vector<std::uint8_t>& file, int i) const {
        return std::int16_t(U16(file, at + 6 + 2 * i));
    }
};

std::vector<WmfRecord> Records(const std::vector<std::uint8_t>& file) {
    std::vector<WmfRecord> records;
    for (std::size_t at = kPlaceable + 18; at + 6 <= file.size();) {
        records.push_back({U32(file, at), U16(file, at + 4), at});
        if (records.back().words < 3) break;
        at += 2 * records.back().words;
    }
    return records;
}

TEST(WriteWmf, PlaceableHeaderCarriesTheBoxInchAndChecksum) {
    ScratchDir dir;
    ASSERT_TRUE(WriteWmf(Scatter(23, 23), 0, dir.File("code.wmf")));
    const auto file = ReadBytes(dir.File("code.wmf"));
    const std::vector<std::uint8_t> header = {
        0xD7, 0xCD, 0xC6, 0x9A, 0,  0,        // key, handle
        0,    0,    0,    0,    23, 0, 23, 0, // box (0, 0, 23, 23)
        0xEC, 0x09, 0,    0,    0,  0,        // 2540 units per inch, reserved
        0xFD, 0x5E,                           // CDD7 ^ 9AC6 ^ 0017 ^ 0017 ^ 09EC
    };
    EXPECT_EQ(std::vector<std::uint8_t>(file.begin(), file.begin() + kPlaceable), header);
}

TEST(WriteWmf, VectorFormDrawsTheBackgroundThenEachDarkModule) {
    const ModuleMatrix matrix = Scatter(29, 13);
    ScratchDir dir;
    ASSERT_TRUE(WriteWmf(matrix, 0, dir.File("code.wmf")));
    const auto file = ReadBytes(dir.File("code.wmf"));
    const auto records = Records(file);

    // Standard header: disk metafile, 9 words, version 3, total words, objects, largest record.
    EXPECT_EQ(U16(file, kPlaceable), 1);
    EXPECT_EQ(U16(file, kPlaceable + 2), 9);
    EXPECT_EQ(U16(file, kPlaceable + 4), 0x0300);
    EXPECT_EQ(U32(file, kPlaceable + 6) * 2, file.size() - kPlaceable);
    EXPECT_EQ(U16(file, kPlaceable + 10), 4);
    EXPECT_EQ(U32(file, kPlaceable + 12), 8u);

    const std::uint16_t opening[] = {0x020C, 0x020B, 0x02FA, 0x012D, 0x02FC, 0x012D,
                                     0x041B, 0x02FA, 0x012D, 0x02FC, 0x012D};
    ASSERT_EQ(records.size(), 11 + CountDark(matrix) + 1u);
    for (int i = 0; i < 11; ++i) EXPECT_EQ(records[i].function, opening[i]) << "record " << i;
    EXPECT_EQ(records[0].Parameter(file, 0), 13); // extent y, x
    EXPECT_EQ(records[0].Parameter(file, 1), 29);
    EXPECT_EQ(records[2].Parameter(file, 3), -1); // white pen: colour FFFFFF
    EXPECT_EQ(records[7].Parameter(file, 3), 0);  // black pen
    const int selects[] = {3, 5, 8, 10};          // each selects the object just created
    for (int i = 0; i < 4; ++i) EXPECT_EQ(records[selects[i]].Parameter(file, 0), i);

    ModuleMatrix drawn = ModuleMatrix::Blank(29, 13);
    for (std::size_t i = 11; i + 1 < records.size(); ++i) {
        ASSERT_EQ(records[i].function, 0x041B);
        const int bottom = records[i].Parameter(file, 0), right = records[i].Parameter(file, 1);
        const int top = records[i].Parameter(file, 2), left = records[i].Parameter(file, 3);
        EXPECT_EQ(right - left, 1);
        EXPECT_EQ(bottom - top, 1);
        drawn.SetDark(left, top);
    }
    EXPECT_EQ(drawn.bits, matrix.bits);
    EXPECT_EQ(records.back().function, 0);
    EXPECT_EQ(records.back().words, 3u);
    EXPECT_EQ(records.back().at + 6, file.size());
}

TEST(WriteWmf, BitmapFormStretchesTheBmpOverTheSymbol) {
    const ModuleMatrix matrix = Scatter(19, 21);
    ScratchDir dir;
    ASSERT_TRUE(WriteWmf(matrix, 2, dir.File("code.wmf")));
    ASSERT_TRUE(WriteBmp(matrix, 2, dir.File("code.bmp")));
    const auto file = ReadBytes(dir.File("code.wmf"));
    const auto bmp = ReadBytes(dir.File("code.bmp"));
    const auto records = Records(file);
    ASSERT_EQ(records.size(), 5u);
    EXPECT_EQ(records[2].function, 0x0107);
    EXPECT_EQ(records[2].Parameter(file, 0), 3);
    const WmfRecord& stretch = records[3];
    EXPECT_EQ(stretch.function, 0x0F43);
    EXPECT_EQ(U32(file, stretch.at + 6), 0xCC0020u);
    const std::int16_t fields[] = {0, 42, 38, 0, 0, 21, 19, 0, 0};
    for (int i = 0; i < 9; ++i) EXPECT_EQ(stretch.Parameter(file, 2 + i), fields[i]) << i;
    EXPECT_EQ(std::vector<std::uint8_t>(file.begin() + stretch.at + 28,
                                        file.begin() + stretch.at + 2 * stretch.words),
              std::vector<std::uint8_t>(bmp.begin() + 14, bmp.end()));
    EXPECT_EQ(U32(file, kPlaceable + 12), stretch.words);
}

} // namespace
} // namespace lumetra
