#pragma once

#include "app/form_kit/control.h"

// Puts a control where the window's layout wants it; the binder moves the widget there.
inline void place(Control& control, int left, int top, int width, int height) {
    control.left = left;
    control.top = top;
    control.width = width;
    control.height = height;
}
