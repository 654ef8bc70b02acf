#include "lumetra/encoder/galois_field.h"

#include <array>

namespace lumetra {
namespace {

template <int32_t M> struct TFieldTables {
    static constexpr int32_t kSize = 1 << M;
    std::array<int32_t, kSize> log{};
    std::array<int32_t, 4 * kSize - 1> power{};
};

// a = 2 generates the field: power[i] = a^i reduced by the polynomial.
template <int32_t M> constexpr TFieldTables<M> MakeTables(int32_t polynomial) {
    constexpr int32_t q = TFieldTables<M>::kSize;
    TFieldTables<M> t;
    t.log[0] = 2 * q - 1;
    t.power[0] = 1;
    for (int32_t i = 1; i < q; ++i) {
        int32_t x = 2 * t.power[i - 1];
        if (x > q - 1) x ^= polynomial;
        t.power[i] = x;
        t.power[i + q - 1] = x;
        t.log[x] = i;
    }
    return t;
}

constexpr auto kField4 = MakeTables<4>(19);
constexpr auto kField6 = MakeTables<6>(67);
constexpr auto kField8 = MakeTables<8>(301);
constexpr auto kField10 = MakeTables<10>(1033);
constexpr auto kField12 = MakeTables<12>(4201);

template <int32_t M> TGaloisTables View(const TFieldTables<M>& t) {
    return {t.log.data(), t.power.data()};
}

} // namespace

int32_t FieldPolynomial(int32_t wordSize) {
    switch (wordSize) {
    case 4:
        return 19;
    case 6:
        return 67;
    case 8:
        return 301;
    case 10:
        return 1033;
    default:
        return 4201;
    }
}

TGaloisTables GaloisTables(int32_t wordSize) {
    switch (wordSize) {
    case 4:
        return View(kField4);
    case 6:
        return View(kField6);
    case 8:
        return View(kField8);
    case 10:
        return View(kField10);
    default:
        return View(kField12);
    }
}

} // namespace lumetra
