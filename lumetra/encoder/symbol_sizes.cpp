#include "lumetra/encoder/symbol_sizes.h"

namespace lumetra {

TLayerRings NextLayerRings(bool compact, int32_t r) {
    auto onGrid = [compact](int32_t c) { return !compact && c % 16 == 0; };
    int32_t inner = r + 1;
    if (onGrid(inner)) ++inner;
    int32_t outer = inner + 1;
    if (onGrid(outer)) ++outer;
    return {inner, outer};
}

int32_t SymbolSize(bool compact, int32_t layers) {
    int32_t r = CoreRadius(compact);
    for (int32_t i = 0; i < layers; ++i) r = NextLayerRings(compact, r).outer;
    return 2 * r + 1;
}

int32_t RawCapacityBits(bool compact, int32_t layers) {
    return ((compact ? 88 : 112) + 16 * layers) * layers;
}

int32_t WordSize(int32_t layers) {
    if (layers <= 2) return 6;
    if (layers <= 8) return 8;
    if (layers <= 22) return 10;
    return 12;
}

} // namespace lumetra
