#pragma once

#include <QByteArray>

// A monochrome bitmap as the barcode library hands it over: rows top first, stride bytes each,
// most significant bit leftmost, dark pixels 0 and light pixels 1.
struct MonoPicture {
    int width = 0;
    int height = 0;
    int stride = 0;
    QByteArray bits;

    bool isNull() const { return width <= 0 || height <= 0; }
    bool isDark(int x, int y) const {
        const auto byte = static_cast<unsigned char>(bits[y * stride + x / 8]);
        return (byte & (0x80 >> (x % 8))) == 0;
    }
};
