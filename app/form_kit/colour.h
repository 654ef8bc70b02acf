#pragma once

#include <QString>
#include <QtGlobal>
#include <iosfwd>

// A control's colour: either a fixed RGB value or one of the desktop's system colours, which the
// view takes from the desktop's palette.
struct Colour {
    static constexpr quint32 systemFlag = 0x80000000u;

    quint32 code = 0;

    constexpr bool isSystem() const { return (code & systemFlag) != 0; }
    constexpr int red() const { return int((code >> 16) & 0xFF); }
    constexpr int green() const { return int((code >> 8) & 0xFF); }
    constexpr int blue() const { return int(code & 0xFF); }

    friend constexpr bool operator==(Colour, Colour) = default;
};

constexpr Colour rgbColour(int red, int green, int blue) {
    return Colour{(quint32(red & 0xFF) << 16) | (quint32(green & 0xFF) << 8) |
                  quint32(blue & 0xFF)};
}

// System colours, numbered as the Windows palette numbers them.
enum class SystemColour { InactiveCaption = 3, Window = 5, WindowText = 8, BtnFace = 15 };

constexpr Colour systemColour(SystemColour which) {
    return Colour{Colour::systemFlag | quint32(which)};
}

inline constexpr Colour clBlack = rgbColour(0, 0, 0);
inline constexpr Colour clWhite = rgbColour(255, 255, 255);
inline constexpr Colour clLime = rgbColour(0, 255, 0);
inline constexpr Colour clYellow = rgbColour(255, 255, 0);
inline constexpr Colour clRed = rgbColour(255, 0, 0);
inline constexpr Colour clInactiveCaption = systemColour(SystemColour::InactiveCaption);
inline constexpr Colour clWindow = systemColour(SystemColour::Window);
inline constexpr Colour clWindowText = systemColour(SystemColour::WindowText);
inline constexpr Colour clBtnFace = systemColour(SystemColour::BtnFace);

// "clLime", "clBtnFace" … for the named colours, "#RRGGBB" for any other.
QString colourName(Colour colour);

// Lets test failures name the colour.
void PrintTo(Colour colour, std::ostream* out);
