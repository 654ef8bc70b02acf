// The print exports: the temporary BMP and its removal, and the print-size search painted into
// a raster.
#include <gtest/gtest.h>

#include <cstdlib>

#include "api_test_support.h"
#include "lumetra/api/lumetra.h"
#include "lumetra/message/prepared_decoder.h"
#include "statement_messages.h"

namespace lumetra::test {
namespace {

const std::string kStatement = ExampleStatement();

// Points the temporary folder at a scratch folder for the test's lifetime.
class PrintCodeTest : public testing::Test {
protected:
    void SetUp() override {
        const char* old = std::getenv("TMPDIR");
        oldTmp_ = old ? std::optional<std::string>(old) : std::nullopt;
        setenv("TMPDIR", scratch_.File("").c_str(), 1);
    }
    void TearDown() override {
        if (oldTmp_)
            setenv("TMPDIR", oldTmp_->c_str(), 1);
        else
            unsetenv("TMPDIR");
    }

    std::string Print(const char* message, uint8_t count = 1, int32_t size = 4096) {
        std::string result(4096, '#');
        PrintCode(result.data(), size, message, &count);
        return result.substr(0, result.find('\0'));
    }

    ScratchFolder scratch_;
    std::optional<std::string> oldTmp_;
};

TEST_F(PrintCodeTest, WritesABmpThatDecodesAndDelCodeRemovesIt) {
    const std::string path = Print(kStatement.c_str());
    ASSERT_TRUE(path.starts_with(scratch_.File(""))) << path;
    EXPECT_TRUE(path.ends_with(".bmp"));
    const auto image = tool::ParseImage(FileContent(path));
    ASSERT_TRUE(image);
    EXPECT_EQ(ReadBackLines(*image), ExpectedLines(kStatement));

    EXPECT_EQ(DelCode(path.c_str()), 0);
    EXPECT_EQ(scratch_.Count(), 0u);
    // Nothing there, nothing named: nothing to do, still 0.
    EXPECT_EQ(DelCode(path.c_str()), 0);
    EXPECT_EQ(DelCode(""), 0);
    EXPECT_EQ(DelCode(nullptr), 0);
}

TEST_F(PrintCodeTest, EachCallGetsItsOwnFile) {
    const std::string first = Print(kStatement.c_str());
    const std::string second = Print(kStatement.c_str(), 3);
    EXPECT_NE(first, second);
    EXPECT_EQ(scratch_.Count(), 2u);
    const auto image = tool::ParseImage(FileContent(second));
    ASSERT_TRUE(image);
    EXPECT_GT(image->width, 3 * image->height) << "three symbols side by side";
    EXPECT_EQ(ReadBackLines(*image), ExpectedLines(kStatement));
}

TEST_F(PrintCodeTest, FailureGivesTheEmptyStringAndNoFile) {
    EXPECT_EQ(Print("Ostrel99\r\nA=1"), "");
    EXPECT_EQ(Print(nullptr), "");
    EXPECT_EQ(Print(""), "");
    // A path the buffer cannot hold would leave a file nobody can name.
    EXPECT_EQ(Print(kStatement.c_str(), 1, 8), "");
    PrintCode(nullptr, 100, kStatement.c_str(), nullptr);
    EXPECT_EQ(scratch_.Count(), 0u);

    std::string result(256, '#');
    PrintCode(result.data(), 256, kStatement.c_str(), nullptr); // no count: one symbol
    EXPECT_EQ(scratch_.Count(), 1u);
}

// A raster of the caller's memory.
struct Raster {
    explicit Raster(int32_t capacity) : memory(capacity, 0x55) {
        raster.pixels = memory.data();
        raster.capacity = capacity;
    }
    tool::GreyImage Image() const {
        return {raster.width,
                raster.height,
                {memory.begin(), memory.begin() + int64_t{raster.width} * raster.height}};
    }
    std::vector<uint8_t> memory;
    LumxRaster raster{};
};

// Every pixel black or white and every module one colour.
void ExpectWholeModules(const tool::GreyImage& image, int scale) {
    int mixed = 0;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            mixed += (image.At(x, y) != 0 && image.At(x, y) != 255) ||
                     image.At(x, y) != image.At(x - x % scale, y - y % scale);
    EXPECT_EQ(mixed, 0);
}

TEST(PrintSize, PaintsModuleSizePixelsPerModuleWithinTheSize) {
    Raster target(1 << 20);
    ASSERT_EQ(PrintSize(&target.raster, kStatement.c_str(), 250, 5, nullptr), 0);
    const int modules = target.raster.height / 5;
    EXPECT_EQ(target.raster.width, target.raster.height);
    EXPECT_EQ(target.raster.height % 5, 0);
    EXPECT_GE(modules, 19);
    EXPECT_LE(modules, 53) << "9 layers at most";
    ExpectWholeModules(target.Image(), 5);
    EXPECT_EQ(ReadBackLines(target.Image()), ExpectedLines(kStatement));
}

TEST(PrintSize, AnswersBadInputWithItsCode) {
    Raster target(1 << 16);
    EXPECT_EQ(PrintSize(&target.raster, kStatement.c_str(), 250, 0, nullptr), 25);
    EXPECT_EQ(PrintSize(&target.raster, kStatement.c_str(), 250, -4, nullptr), 25);
    EXPECT_EQ(PrintSize(nullptr, kStatement.c_str(), 250, 2, nullptr), 25);
    EXPECT_EQ(PrintSize(&target.raster, "", 250, 2, nullptr), 30);
    EXPECT_EQ(PrintSize(&target.raster, nullptr, 250, 2, nullptr), 30);
    EXPECT_EQ(PrintSize(&target.raster, "Ostrel99", 250, 2, nullptr), 30);
    EXPECT_EQ(PrintSize(&target.raster, "\n", 250, 2, nullptr), 30);
    EXPECT_EQ(target.raster.width, 0);
    // A size below the smallest symbol still searches one-layer symbols, up to eight of them.
    EXPECT_EQ(PrintSize(&target.raster, kStatement.c_str(), -100, 1, "/no/such/folder"), 28);
}

TEST(PrintSize, TooSmallRasterGetsTheSizeToRetryWith) {
    Raster small(16);
    ASSERT_EQ(PrintSize(&small.raster, kStatement.c_str(), 250, 2, nullptr), 10);
    EXPECT_GT(small.raster.width, 0);
    EXPECT_EQ(small.memory, std::vector<uint8_t>(16, 0x55)) << "nothing painted";
    // A symbol one layer larger than the last one still fits twice the size.
    Raster retry(2 * small.raster.width * small.raster.height);
    EXPECT_EQ(PrintSize(&retry.raster, kStatement.c_str(), 250, 2, nullptr), 0);
}

TEST(PrintSize, TraceFolderGetsTheBytesOfTheSymbol) {
    ScratchFolder scratch;
    Raster target(1 << 16);
    ASSERT_EQ(PrintSize(&target.raster, kStatement.c_str(), 100, 1, scratch.File("").c_str()), 0);
    ASSERT_EQ(scratch.Count(), 1u);
    const auto entry = *std::filesystem::directory_iterator(scratch.File(""));
    EXPECT_EQ(entry.path().extension(), ".tmp");
    EXPECT_EQ(LinesOf(DecodePrepared(FileContent(entry.path())).message),
              ExpectedLines(kStatement));
}

struct Limits {
    int32_t firstLayers, moreLayers, firstCount, moreCount;
};

TEST(PrintSizeEx, SmallestFullRangeSymbolForAShortMessage) {
    Raster target(1 << 16);
    int32_t size[2] = {-1, -1};
    int32_t count = -1;
    ASSERT_EQ(PrintSizeEx(&target.raster, "Ostrel13\r\nA=1\r\n", 1, 31, 1, 0, size, &count, ""), 0);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(size[0], size[1]);
    EXPECT_GE(size[0], 19) << "never a compact symbol";
    EXPECT_EQ(target.raster.width, size[0]);
    ExpectWholeModules(target.Image(), 1);
    EXPECT_EQ(ReadBackLines(target.Image()), ExpectedLines("Ostrel13\r\nA=1\r\n"));
}

TEST(PrintSizeEx, MoreSymbolsWhenTheLayersRunOut) {
    Raster target(1 << 16);
    int32_t size[2] = {};
    int32_t count = 0;
    ASSERT_EQ(PrintSizeEx(&target.raster, kStatement.c_str(), 3, 0, 1, 25, size, &count, nullptr),
              0);
    EXPECT_GT(count, 1);
    EXPECT_EQ(size[1], 27) << "three layers";
    EXPECT_EQ(size[0], count * 27 + count - 1);
    EXPECT_EQ(ReadBackLines(target.Image()), ExpectedLines(kStatement));
}

TEST(PrintSizeEx, NothingWithinTheLimitsIs28) {
    Raster target(1 << 16);
    int32_t size[2] = {-1, -1};
    int32_t count = -1;
    EXPECT_EQ(PrintSizeEx(&target.raster, kStatement.c_str(), 1, 0, 1, 0, size, &count, nullptr),
              28);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(size[0], 0);
    EXPECT_EQ(size[1], 0);
    EXPECT_EQ(target.raster.width, 0);
}

TEST(PrintSizeEx, LimitsBeyondAnySymbolAre25) {
    const Limits bad[] = {{0, 5, 1, 0},  {33, 0, 1, 0}, {1, -1, 1, 0},       {1, 5, 0, 1},
                          {1, 5, 27, 0}, {1, 5, 1, -1}, {INT32_MIN, 0, 1, 0}};
    Raster target(1 << 16);
    for (const Limits& l : bad) {
        int32_t size[2] = {-1, -1};
        int32_t count = -1;
        EXPECT_EQ(PrintSizeEx(&target.raster, kStatement.c_str(), l.firstLayers, l.moreLayers,
                              l.firstCount, l.moreCount, size, &count, nullptr),
                  25)
            << l.firstLayers << " " << l.moreLayers << " " << l.firstCount << " " << l.moreCount;
        EXPECT_EQ(count, 0);
    }
    // Limits reaching past 32 layers or 26 symbols stop there.
    int32_t size[2] = {};
    EXPECT_EQ(PrintSizeEx(&target.raster, kStatement.c_str(), 31, INT32_MAX, 2, INT32_MAX, size,
                          nullptr, nullptr),
              0);
    EXPECT_EQ(size[0], 2 * 147 + 1) << "two symbols of 31 layers";
    EXPECT_EQ(PrintSizeEx(&target.raster, "", 1, 5, 1, 0, nullptr, nullptr, nullptr), 30);
}

} // namespace
} // namespace lumetra::test
