#pragma once

#include "app/form_kit/control.h"

#include <QWidget>

class FormBinder;

// Ties one control to the widget that shows it. The binder moves the properties every control
// has (enabled, visible, hint, geometry, label); a binding moves what is particular to its kind.
class WidgetBinding {
public:
    WidgetBinding(Control& control, QWidget& widget) : bound(control), shown(widget) {}
    virtual ~WidgetBinding() = default;
    WidgetBinding(const WidgetBinding&) = delete;
    WidgetBinding& operator=(const WidgetBinding&) = delete;

    Control& control() const { return bound; }
    QWidget& widget() const { return shown; }
    // The widget that takes the keyboard focus for the control.
    virtual QWidget& focusWidget() const { return shown; }

    // Model to widget, after every event.
    virtual void push() = 0;
    // What the cashier changed in the widget, to the model before every event. Only what was
    // changed goes, so a handler that runs on that change keeps what it set elsewhere.
    virtual void pull() {}
    // Routes the widget's own signals (clicked, edited, chosen) to the binder as events.
    virtual void connectEvents(FormBinder&) {}
    // Typing changes the control's text through the model (lists show, but do not edit, their
    // current cell), as the test driver does.
    virtual bool typesThroughModel() const { return false; }
    // The widget shows the control's label itself (a group box its title).
    virtual bool showsOwnLabel() const { return false; }

private:
    Control& bound;
    QWidget& shown;
};
