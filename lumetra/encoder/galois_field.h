#pragma once

#include <cstdint>

// The Galois fields GF(2^m) of ISO/IEC 24778: m = 4 for mode messages, 6, 8, 10 and 12 for data.
namespace lumetra {

// Primitive polynomial of GF(2^m) as a bit mask including x^m.
int32_t FieldPolynomial(int32_t wordSize);

// Log and power tables, built at compile time. log[x] for x = 1..q-1 (log 1 = q-1); power[] over
// 2q-1 logs, so that the sum of two logs needs no reduction, then 2q zeros; log[0] = 2q-1 points
// into those zeros, so that a product with 0, even 0 times 0, needs no test.
struct TGaloisTables {
    const int32_t* log;
    const int32_t* power;
};
TGaloisTables GaloisTables(int32_t wordSize);

} // namespace lumetra
