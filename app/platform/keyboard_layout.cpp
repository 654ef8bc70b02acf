#include "app/platform/keyboard_layout.h"

void activateRussianKeyboardLayout() {}
