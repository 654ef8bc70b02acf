#include "lumetra/output/pixel_rows.h"

#include <algorithm>

namespace lumetra {

std::vector<std::uint8_t> PixelRows(const ModuleMatrix& matrix, int scale, std::size_t rowBytes,
                                    SetBits set, RowOrder order) {
    std::vector<std::uint8_t> rows(rowBytes * matrix.height * scale);
    const bool setDark = set == SetBits::Dark;
    auto out = rows.begin();
    for (int i = 0; i < matrix.height; ++i) {
        const int r = order == RowOrder::TopFirst ? i : matrix.height - 1 - i;
        for (int c = 0; c < matrix.width; ++c) {
            if (matrix.Dark(c, r) != setDark) continue;
            for (std::size_t x = std::size_t(c) * scale; x < std::size_t(c + 1) * scale; ++x)
                out[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        }
        const auto rowStart = out;
        out += rowBytes;
        for (int repeat = 1; repeat < scale; ++repeat) out = std::copy_n(rowStart, rowBytes, out);
    }
    return rows;
}

} // namespace lumetra
