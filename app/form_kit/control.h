#pragma once

#include "app/form_kit/colour.h"

#include <QChar>
#include <QString>
#include <functional>

class Form;

enum class Alignment { Left, Centre, Right };

// A key as a key handler sees it; a handler that consumes the key sets handled.
struct KeyPress {
    enum Code { Character, Enter, Tab, Backspace, Delete, Left, Right, Escape };

    Code code = Character;
    QChar character; // for Character
    bool ctrl = false;
    bool shift = false;
    bool handled = false;
};

// A named value holder standing for one control of a window: the window's logic reads and sets
// these properties and the view mirrors them.
class Control {
public:
    enum class Kind { Edit, Memo, Label, Button, CheckBox, RadioGroup, ComboBox, ValueList, Frame };

    Control(Form& owner, QString name, Kind kind);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    Form& form() const { return owner; }
    const QString& name() const { return controlName; }
    Kind kind() const { return controlKind; }

    virtual QString text() const { return value; }
    // Fires onChange when the text changes, whether typed or set by the program.
    virtual void setText(const QString& text);

    // Enabled and visible, and of a kind that takes the focus.
    bool canFocus() const;
    // Reached by Tab and by the Enter navigation: a tab stop that can take the focus and is open
    // for input.
    bool isTabTarget() const;

    void selectAll();
    // As typing does: replaces the selection, leaves the caret after the inserted text, and
    // takes no more than maxLength allows; a read-only control takes nothing.
    void insertTyped(const QString& chars);
    // As Backspace does.
    void deleteBackward();

    QString label; // caption beside an edit or memo
    QString hint;
    bool showHint = false;
    Colour colour = clWindow;
    Colour fontColour = clWindowText;
    Alignment alignment = Alignment::Left;
    bool enabled = true;
    bool visible = true;
    bool readOnly = false;
    bool tabStop = true;
    bool checked = false;
    int maxLength = 0; // characters the cashier may type; 0 for no limit
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int row = -1; // row of a grid control
    int selStart = 0;
    int selLength = 0;

    std::function<void(Control& sender)> onEnter;
    // gaining is the control that receives the focus (null when none does).
    std::function<void(Control& sender, Control* gaining)> onExit;
    std::function<void(Control& sender, KeyPress& key)> onKeyPress;
    std::function<void(Control& sender, KeyPress& key)> onKeyUp; // the key released
    std::function<void(Control& sender)> onClick;
    std::function<void(Control& sender)> onChange;

private:
    Form& owner;
    QString controlName;
    Kind controlKind;
    QString value;
};
