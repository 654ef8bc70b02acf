#include "tests/message/char_classes.h"

#include <cstring>
#include <utility>
#include <vector>

namespace lumetra::testing_support {

int ClassOf(uint8_t b) {
    if (b >= 'a' && b <= 'z') return 1;
    if (b >= 'A' && b <= 'Z') return 2;
    if (b == '@' || (b >= 1 && b <= 9) || b == 11 || b == 12 || (b >= 27 && b <= 31) || b == 127 ||
        (b != 0 && std::strchr("\\_`|~^", b) != nullptr)) {
        return 3;
    }
    if (b != 0 && std::strchr("#'!\"$%&()+-/:;<=>?[]{}*", b) != nullptr) return 4;
    if (b >= '0' && b <= '9') return 5;
    if (b == '.' || b == ',') return 6;
    if (b == 0) return 7;
    if (b == 13) return 8;
    if (b == 10) return 9;
    if (b == ' ') return 10;
    return 11;
}

std::array<uint8_t, 256> InversePermutation() {
    std::array<int, 256> p{};
    for (int i = 0; i < 256; ++i) p[i] = i;
    std::vector<std::pair<int, int>> swaps = {{65, 38}, {66, 36}, {78, 43}, {185, 35}};
    for (int k = 0; k <= 24; ++k) swaps.emplace_back(65 + k, 192 + k);
    swaps.insert(swaps.end(), {{221, 1}, {222, 2}, {223, 3}});
    for (int k = 0; k <= 25; ++k) swaps.emplace_back(97 + k, 224 + k);
    swaps.insert(swaps.end(), {{250, 4},
                               {251, 33},
                               {252, 123},
                               {253, 91},
                               {254, 93},
                               {255, 125},
                               {9, 90},
                               {58, 44},
                               {94, 42}});
    for (const auto& [a, b] : swaps) std::swap(p[a], p[b]);
    std::array<uint8_t, 256> inverse{};
    for (int i = 0; i < 256; ++i) inverse[p[i]] = static_cast<uint8_t>(i);
    return inverse;
}

} // namespace lumetra::testing_support
