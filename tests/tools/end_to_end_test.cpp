// Statement messages through the library into TIFF, GIF and BMP files, read back by zxing-cpp
// and reversed by `lumetra decode`: exactly the message's field values come back.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "api_test_support.h"
#include "lumetra/api/lumetra.h"
#include "statement_messages.h"
#include "tool_runner.h"

namespace lumetra::test {
namespace {

struct Trip {
    std::string label;
    std::string message;
    std::string extension;
    int32_t moduleSize;
    bool rotate;
};

void PrintTo(const Trip& trip, std::ostream* out) {
    *out << trip.label;
}

std::vector<Trip> Trips() {
    const char* extensions[] = {".tif", ".gif", ".bmp"};
    std::vector<Trip> trips;
    // The worked example in every format, module size and turn.
    for (const char* extension : extensions)
        for (int moduleSize = 1; moduleSize <= 4; ++moduleSize)
            for (const bool rotate : {false, true})
                trips.push_back({std::string("example") + extension + "_" +
                                     std::to_string(moduleSize) + (rotate ? "_turned" : ""),
                                 ExampleStatement(), extension, moduleSize, rotate});
    // Random statements, each in one of the combinations.
    std::mt19937 random(20240131);
    for (int i = 0; i < 12; ++i)
        trips.push_back({"random" + std::to_string(i), RandomStatement(random), extensions[i % 3],
                         1 + i % 4, i % 2 == 1});
    return trips;
}

class EndToEnd : public testing::TestWithParam<Trip> {};

TEST_P(EndToEnd, DecodeGivesBackTheFieldValues) {
    const Trip& trip = GetParam();
    ScratchFolder scratch;
    const std::string image = scratch.File("symbol" + trip.extension);
    ASSERT_EQ(
        Lumx_EnCode_StrA(trip.message.c_str(), image.c_str(), 0, 1, trip.moduleSize, trip.rotate),
        0);
    // The tool reads BMP itself; ImageMagick opens the other formats for it.
    std::string readable = image;
    if (trip.extension != ".bmp") {
        readable = scratch.File("symbol.pgm");
        ASSERT_EQ(RunProgram(KV_CONVERT, {image, readable}).exitCode, 0);
    }
    const ToolRun decoded = RunLumetra({"decode", readable});
    ASSERT_EQ(decoded.exitCode, 0) << decoded.err;
    EXPECT_EQ(LinesOf(decoded.out), ExpectedLines(trip.message));
}

INSTANTIATE_TEST_SUITE_P(Statements, EndToEnd, testing::ValuesIn(Trips()), [](const auto& info) {
    std::string name = info.param.label;
    std::replace(name.begin(), name.end(), '.', '_');
    return name;
});

} // namespace
} // namespace lumetra::test
