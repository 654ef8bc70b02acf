#include "app/form_kit/colour.h"

#include <ostream>

QString colourName(Colour colour) {
    static const struct {
        Colour colour;
        const char* name;
    } named[] = {{clBlack, "clBlack"},    {clWhite, "clWhite"},
                 {clLime, "clLime"},      {clYellow, "clYellow"},
                 {clRed, "clRed"},        {clInactiveCaption, "clInactiveCaption"},
                 {clWindow, "clWindow"},  {clWindowText, "clWindowText"},
                 {clBtnFace, "clBtnFace"}};
    for (const auto& entry : named) {
        if (entry.colour == colour) return QString::fromLatin1(entry.name);
    }
    return QStringLiteral("#%1").arg(colour.code, 6, 16, QLatin1Char('0'));
}

void PrintTo(Colour colour, std::ostream* out) {
    *out << colourName(colour).toStdString();
}
