#include "app/ui/widget_colours.h"

#include <QWidget>

namespace {

// The colour as the desktop shows it; system colours come from the application's palette.
QColor toQColor(Colour colour) {
    if (!colour.isSystem()) return QColor(colour.red(), colour.green(), colour.blue());
    const QPalette palette;
    switch (SystemColour(colour.code & ~Colour::systemFlag)) {
    case SystemColour::InactiveCaption:
        // Qt's palette has no caption colours; this is the classic desktop's inactive caption.
        return QColor(191, 205, 219);
    case SystemColour::Window:
        return palette.color(QPalette::Active, QPalette::Base);
    case SystemColour::WindowText:
        return palette.color(QPalette::Active, QPalette::Text);
    case SystemColour::BtnFace:
        return palette.color(QPalette::Active, QPalette::Button);
    }
    return palette.color(QPalette::Active, QPalette::Base);
}

void setColour(QWidget& widget, QPalette::ColorRole role, Colour colour,
               std::initializer_list<QPalette::ColorGroup> groups) {
    QPalette palette = widget.palette();
    const QColor wanted = toQColor(colour);
    bool changed = false;
    for (const QPalette::ColorGroup group : groups) {
        if (palette.color(group, role) == wanted) continue;
        palette.setColor(group, role, wanted);
        changed = true;
    }
    if (changed) widget.setPalette(palette);
}

} // namespace

void setBackground(QWidget& widget, QPalette::ColorRole role, Colour colour) {
    setColour(widget, role, colour, {QPalette::Active, QPalette::Inactive, QPalette::Disabled});
}

void setForeground(QWidget& widget, QPalette::ColorRole role, Colour colour) {
    setColour(widget, role, colour, {QPalette::Active, QPalette::Inactive});
}
