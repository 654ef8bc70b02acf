#include "app/form_kit/control.h"

#include <algorithm>

Control::Control(Form& owner, QString name, Kind kind)
    : owner(owner), controlName(std::move(name)), controlKind(kind) {
    tabStop = kind != Kind::Label && kind != Kind::Frame;
}

void Control::setText(const QString& text) {
    if (text == value) return;
    value = text;
    selStart = std::min(selStart, int(value.size()));
    selLength = 0;
    if (onChange) onChange(*this);
}

bool Control::canFocus() const {
    return enabled && visible && controlKind != Kind::Label && controlKind != Kind::Frame;
}

bool Control::isTabTarget() const {
    return tabStop && canFocus() && !readOnly;
}

void Control::selectAll() {
    selStart = 0;
    selLength = int(text().size());
}

void Control::insertTyped(const QString& chars) {
    if (readOnly || !enabled) return;
    QString current = text();
    const int start = std::clamp(selStart, 0, int(current.size()));
    const int removed = std::clamp(selLength, 0, int(current.size()) - start);
    current.remove(start, removed);
    QString typed = chars;
    if (maxLength > 0) typed.truncate(std::max(0, maxLength - int(current.size())));
    current.insert(start, typed);
    setText(current);
    selStart = start + int(typed.size());
    selLength = 0;
}

void Control::deleteBackward() {
    if (readOnly || !enabled) return;
    if (selLength == 0 && selStart > 0) {
        --selStart;
        selLength = 1;
    }
    insertTyped(QString());
}
