#include "app/form_kit/form_driver.h"

void FormDriver::focus(Control& control) {
    form.runEvent([&] { form.focus(control); });
}

void FormDriver::type(const QString& chars) {
    for (QChar character : chars) {
        KeyPress key;
        key.character = character;
        press(key);
    }
}

void FormDriver::typeOver(Control& control, const QString& chars) {
    focus(control);
    if (!form.isFocused(control)) return;
    control.selectAll();
    type(chars);
}

namespace {

KeyPress keyOf(KeyPress::Code code, bool ctrl = false) {
    KeyPress key;
    key.code = code;
    key.ctrl = ctrl;
    return key;
}

} // namespace

void FormDriver::pressEnter() {
    press(keyOf(KeyPress::Enter));
}

void FormDriver::pressCtrlEnter() {
    press(keyOf(KeyPress::Enter, true));
}

void FormDriver::pressTab() {
    press(keyOf(KeyPress::Tab));
}

void FormDriver::pressBackspace() {
    press(keyOf(KeyPress::Backspace));
}

void FormDriver::press(KeyPress key) {
    form.runEvent([&] {
        Control* control = form.focused();
        if (!control) return;
        if (const auto onKeyPress = control->onKeyPress) onKeyPress(*control, key);
        if (!key.handled) defaultKeyAction(*control, key);
        // The release reaches whichever control has the focus by then.
        Control* releasedIn = form.focused();
        if (const auto onKeyUp = releasedIn ? releasedIn->onKeyUp : nullptr) {
            KeyPress release = key;
            release.handled = false;
            onKeyUp(*releasedIn, release);
        }
    });
}

void FormDriver::defaultKeyAction(Control& control, const KeyPress& key) {
    switch (key.code) {
    case KeyPress::Character:
        control.insertTyped(QString(key.character));
        break;
    case KeyPress::Backspace:
        control.deleteBackward();
        break;
    case KeyPress::Tab:
        if (Control* next = form.nextTabTarget(control)) form.focus(*next);
        break;
    default:
        break;
    }
}

void FormDriver::click(Control& control) {
    form.runEvent([&] {
        if (!control.enabled || !control.visible) return;
        if (control.canFocus()) {
            form.focus(control);
            if (!form.isFocused(control)) return;
        }
        if (control.kind() == Control::Kind::CheckBox) control.checked = !control.checked;
        // A click handler may detach itself.
        if (const auto onClick = control.onClick) onClick(control);
    });
}

void FormDriver::choose(ChoiceControl& choice, int index) {
    form.runEvent([&] {
        form.focus(choice);
        if (!form.isFocused(choice)) return;
        choice.choose(index);
        // A radio group reports the choice as a click, a drop-down list as a change.
        const auto handler =
            choice.kind() == Control::Kind::RadioGroup ? choice.onClick : choice.onChange;
        if (handler) handler(choice);
    });
}

void FormDriver::closeWindow() {
    form.runEvent([&] { form.close(); });
}
