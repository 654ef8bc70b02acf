#include "app/main_window/statement_window.h"

namespace {

bool isPlainEnter(const KeyPress& key) {
    return !key.handled && key.code == KeyPress::Enter && !key.ctrl;
}

bool isCtrlEnter(const KeyPress& key) {
    return !key.handled && key.code == KeyPress::Enter && key.ctrl;
}

} // namespace

void TForm1::enterFocusFrom(Control& sender, int steps) {
    if (Control* next = nextTabTarget(sender, steps)) focus(*next);
}

void TForm1::NCountKeyPress(Control& sender, KeyPress& key) {
    if (!isPlainEnter(key)) return;
    key.handled = true;
    // Past the row's sum to the next row's count.
    enterFocusFrom(sender, 2);
}

void TForm1::NSumKeyPress(Control& sender, KeyPress& key) {
    if (!isPlainEnter(key)) return;
    key.handled = true;
    // To the next row's sum; from the last row on to what follows the grid.
    enterFocusFrom(sender, sender.row == denominationRows - 1 ? 1 : 2);
}

void TForm1::KeyPressEnter(Control& sender, KeyPress& key) {
    if (!isPlainEnter(key)) return;
    key.handled = true;
    if (&sender == &FFIO) {
        focus(printBtn);
        return;
    }
    checkListsOnEnter(sender);
    enterFocusFrom(sender, 1);
}

void TForm1::NCtrlReturn(Control&, KeyPress& key) {
    if (!isCtrlEnter(key)) return;
    key.handled = true;
    // SSkp00 is closed while the revenue group is off; then the grid's first open field.
    if (Control* first = tabTargetFrom(*SSkp[0])) focus(*first);
}

void TForm1::SCtrlReturn(Control&, KeyPress& key) {
    if (!isCtrlEnter(key)) return;
    key.handled = true;
    focus(FFIO);
}
