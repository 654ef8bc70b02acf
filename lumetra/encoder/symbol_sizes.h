#pragma once

#include <cstdint>

// Geometry and capacity of Aztec symbols by kind and number of layers.
namespace lumetra {

inline constexpr int32_t kMaxCompactLayers = 4;
inline constexpr int32_t kMaxFullLayers = 32;
inline constexpr int32_t kRuneSize = 11;
// A compact mode message has 6 bits for K - 1.
inline constexpr int32_t kMaxCompactDataWords = 64;

// The two rings, inner and outer, of the data layer drawn around radius r. Full-range layers step
// over the reference-grid lines at every 16th module from the centre.
struct TLayerRings {
    int32_t inner;
    int32_t outer;
};
TLayerRings NextLayerRings(bool compact, int32_t r);
// Radius of the ring just inside the first data layer (the mode message ring).
constexpr int32_t CoreRadius(bool compact) {
    return compact ? 5 : 7;
}

// Side of the square symbol in modules.
int32_t SymbolSize(bool compact, int32_t layers);
// Raw capacity of the data layers in bits.
int32_t RawCapacityBits(bool compact, int32_t layers);
// Code-word size m in bits (6, 8, 10 or 12).
int32_t WordSize(int32_t layers);

} // namespace lumetra
