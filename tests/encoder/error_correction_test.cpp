#include "aztec_reader.h"
#include "lumetra/encoder/azt_result.h"
#include "lumetra/encoder/tazt_coder.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace lumetra {
namespace {

// A data-layer module lies outside the mode-message ring and, in full-range symbols, off the
// reference grid; each code word is a run of such modules.
bool IsDataModule(bool compact, int x, int y) {
    const int core = compact ? 5 : 7;
    if (std::max(std::abs(x), std::abs(y)) <= core) return false;
    return compact || (x % 16 != 0 && y % 16 != 0);
}

// Flipping E/2 data modules damages at most E/2 code words, which the check words must repair.
TEST(ErrorCorrection, SymbolsSurviveHalfTheirCheckWordsInErrors) {
    std::mt19937 rng(7);
    testing::RoundTrip reader;
    for (int sizeMode : {101, 102, 103, 104, 201, 205, 212}) {
        const std::string data = sizeMode <= 102 || sizeMode == 201
                                     ? "Ec " + std::to_string(sizeMode)
                                     : "Error correction " + std::to_string(sizeMode) + ", 0123 ok";
        TAztCoder coder;
        coder.SetData(data);
        coder.SetSizeMode(sizeMode);
        ASSERT_EQ(coder.Encode(), kAztOk) << sizeMode;
        testing::SymbolMatrix matrix(coder);
        const int size = coder.Height();
        int flips = coder.Counts().check / 2;
        ASSERT_GT(flips, 0);
        while (flips > 0) {
            const int x = static_cast<int>(rng() % size) - size / 2;
            const int y = static_cast<int>(rng() % size) - size / 2;
            if (!IsDataModule(coder.IsCompact(), x, y)) continue;
            matrix.Flip(size / 2 + x, size / 2 + y);
            --flips;
        }
        reader.Add(matrix, false, data, "size mode " + std::to_string(sizeMode));
    }
    reader.Check();
}

} // namespace
} // namespace lumetra
