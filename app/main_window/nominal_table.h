#pragma once

#include <QtGlobal>
#include <array>

// One row of the denomination grid.
struct Nominal {
    qint64 Value; // kopecks
    bool IsCoin;
};

// Top to bottom: banknotes from 5,000 roubles down, then coins; the 10-rouble note comes before
// the 10-rouble coin.
inline constexpr std::array<Nominal, 15> NominalTable{{{500000, false},
                                                       {100000, false},
                                                       {50000, false},
                                                       {10000, false},
                                                       {5000, false},
                                                       {1000, false},
                                                       {500, false},
                                                       {1000, true},
                                                       {500, true},
                                                       {200, true},
                                                       {100, true},
                                                       {50, true},
                                                       {10, true},
                                                       {5, true},
                                                       {1, true}}};
