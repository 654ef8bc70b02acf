#pragma once

#include "app/form_kit/colour.h"

#include <QPalette>

class QWidget;

// Sets a palette role, touching the widget only when the colour changes. A closed field keeps its
// background (a disabled group shows its own colour) but its text greys as the desktop greys it.
void setBackground(QWidget& widget, QPalette::ColorRole role, Colour colour);
void setForeground(QWidget& widget, QPalette::ColorRole role, Colour colour);
