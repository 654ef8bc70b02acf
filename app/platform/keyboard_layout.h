#pragma once

// The cashier types Russian texts, so the program switches to the Russian layout at start.
// On Linux the desktop owns the keyboard layout and this does nothing.
void activateRussianKeyboardLayout();
