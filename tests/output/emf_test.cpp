#include "lumetra/output/image_writers.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace lumetra {
namespace {

using namespace test;

struct EmfRecord {
    std::uint32_t type;
    std::uint32_t size;
    std::size_t at;
};

std::vector<EmfRecord> Records(const std::vector<std::uint8_t>& file) {
    std::vector<EmfRecord> records;
    for (std::size_t at = 0; at + 8 <= file.size();) {
        records.push_back({U32(file, at), U32(file, at + 4), at});
        if (records.back().size < 8) break;
        at += records.back().size;
    }
    return records;
}

// A matrix with exactly `dark` dark modules.
ModuleMatrix WithDarkModules(int width, int height, int dark) {
    ModuleMatrix matrix = ModuleMatrix::Blank(width, height);
    for (int i = 0; i < dark; ++i) {
        const int at = i * 7 % (width * height); // 7 shares no factor with the sizes used
        matrix.SetDark(at % width, at / width);
    }
    return matrix;
}

void ExpectHeader(const std::vector<std::uint8_t>& file, const ModuleMatrix& matrix,
                  std::uint32_t records) {
    const std::int32_t fields[] = {1,     100, -32767, -32767,       32767,
                                   32767, 0,   0,      matrix.width, matrix.height};
    for (int i = 0; i < 10; ++i) EXPECT_EQ(I32(file, 4 * i), fields[i]) << "field " << i;
    EXPECT_EQ(U32(file, 40), 0x464D4520u);
    EXPECT_EQ(U32(file, 44), 0x10000u);
    EXPECT_EQ(U32(file, 48), file.size());
    EXPECT_EQ(U32(file, 52), records);
    EXPECT_EQ(U16(file, 56), 1);
    EXPECT_EQ(U16(file, 58), 0);
    const std::uint32_t rest[] = {0, 0, 0, 32767, 32767, 100, 100, 0, 0, 0};
    for (int i = 0; i < 10; ++i) EXPECT_EQ(U32(file, 60 + 4 * i), rest[i]) << "field " << 15 + i;
}

TEST(WriteEmf, VectorFormHasARectanglePerDarkModule) {
    const ModuleMatrix matrix = WithDarkModules(23, 23, 200);
    ASSERT_EQ(CountDark(matrix), 200);
    ScratchDir dir;
    ASSERT_TRUE(WriteEmf(matrix, 0, dir.File("code.emf")));
    const auto file = ReadBytes(dir.File("code.emf"));
    ASSERT_EQ(file.size(), 100u + 12 + 4 * 12 + 24 + 200 * 24 + 20);
    ExpectHeader(file, matrix, 208);

    const auto records = Records(file);
    ASSERT_EQ(records.size(), 208u);
    const std::uint32_t selected[] = {0x80000006, 0x80000000, 0x80000007, 0x80000004};
    const std::uint32_t expectedTypes[] = {1, 17, 37, 37, 43, 37, 37};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(records[i].type, expectedTypes[i]) << "record " << i;
    EXPECT_EQ(U32(file, records[1].at + 8), 3u); // hundredths of a millimetre
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(U32(file, records[i < 2 ? 2 + i : 3 + i].at + 8), selected[i]);
    EXPECT_EQ(I32(file, records[4].at + 16), 23);
    EXPECT_EQ(I32(file, records[4].at + 20), -23);

    ModuleMatrix drawn = ModuleMatrix::Blank(23, 23);
    for (std::size_t i = 7; i + 1 < records.size(); ++i) {
        ASSERT_EQ(records[i].type, 43u);
        ASSERT_EQ(records[i].size, 24u);
        const int c = I32(file, records[i].at + 8);
        const int top = I32(file, records[i].at + 12);
        EXPECT_EQ(I32(file, records[i].at + 16), c + 1);
        EXPECT_EQ(I32(file, records[i].at + 20), top - 1);
        drawn.SetDark(c, -top);
    }
    EXPECT_EQ(drawn.bits, matrix.bits);
    const auto& end = records.back();
    EXPECT_EQ(end.type, 14u);
    EXPECT_EQ(end.size, 20u);
    EXPECT_EQ(U32(file, end.at + 16), 20u);
}

TEST(WriteEmf, BitmapFormIsFiveRecordsAroundTheBmp) {
    const ModuleMatrix matrix = Scatter(19, 21);
    ScratchDir dir;
    ASSERT_TRUE(WriteEmf(matrix, 4, dir.File("code.emf")));
    ASSERT_TRUE(WriteBmp(matrix, 4, dir.File("code.bmp")));
    const auto file = ReadBytes(dir.File("code.emf"));
    const auto bmp = ReadBytes(dir.File("code.bmp"));
    const std::uint32_t imageBytes = 12 * 84; // 76 pixels in words of 32, 84 rows

    ExpectHeader(file, matrix, 5);
    const auto records = Records(file);
    ASSERT_EQ(records.size(), 5u);
    const std::uint32_t types[] = {1, 17, 21, 81, 14};
    const std::uint32_t sizes[] = {100, 12, 12, 80 + 48 + imageBytes, 20};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(records[i].type, types[i]) << "record " << i;
        EXPECT_EQ(records[i].size, sizes[i]) << "record " << i;
    }
    EXPECT_EQ(U32(file, records[2].at + 8), 3u); // colour on colour
    const std::size_t at = records[3].at;
    const std::int32_t fields[] = {
        -32767, -32767,   32767, 32767, 0, 0, 0, 0, 76, 84, 80, 48, 128, std::int32_t(imageBytes),
        0,      0xCC0020, 19,    -21};
    for (int i = 0; i < 18; ++i) EXPECT_EQ(I32(file, at + 8 + 4 * i), fields[i]) << "field " << i;
    // The bitmap is the BMP file's without its 14-byte file header.
    EXPECT_EQ(std::vector<std::uint8_t>(file.begin() + at + 80, file.begin() + at + sizes[3]),
              std::vector<std::uint8_t>(bmp.begin() + 14, bmp.end()));
}

} // namespace
} // namespace lumetra
