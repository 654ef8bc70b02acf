#pragma once

#include "app/form_kit/choice_control.h"
#include "app/form_kit/form.h"

#include <QString>

// Plays the cashier's keyboard and mouse on a form: each action runs as one event of the event
// loop, with what the window system itself does (typing into an edit, Tab) where no handler
// consumed the key. Tests drive forms through it.
class FormDriver {
public:
    explicit FormDriver(Form& form) : form(form) {}

    // Puts the focus into the control, as a click or Tab into it does.
    void focus(Control& control);
    // Each character is a key press into the focused control.
    void type(const QString& chars);
    // Focuses the control, selects its text and types over it.
    void typeOver(Control& control, const QString& chars);
    void pressEnter();
    void pressCtrlEnter();
    void pressTab();
    void pressBackspace();
    // Key press, the window system's own handling of it, then the key's release.
    void press(KeyPress key);
    // The control takes the focus first when it can; its click handler runs only when the focus
    // arrived (an exit handler may keep it in the field being left).
    void click(Control& control);
    void choose(ChoiceControl& choice, int index);
    // The window's close box.
    void closeWindow();

private:
    void defaultKeyAction(Control& control, const KeyPress& key);

    Form& form;
};
