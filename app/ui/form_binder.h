#pragma once

#include "app/form_kit/form.h"
#include "app/ui/widget_binding.h"

#include <QHash>
#include <QLabel>
#include <QObject>
#include <functional>
#include <memory>
#include <vector>

class QKeyEvent;

// Keeps a form of the form kit and its widgets in step. Every user action (a key, a click, a
// choice, a focus move, an edit) runs as one event: the widgets' state goes into the model, the
// model's handlers run, and the model's state (texts, colours, focus, whether the form is still
// open) goes back into the widgets.
class FormBinder : public QObject {
public:
    // Controls are placed on `surface`, in its coordinates.
    FormBinder(Form& form, QWidget& surface);
    ~FormBinder() override;

    // A widget the view made itself for a control; returns the widget.
    QWidget& bind(std::unique_ptr<WidgetBinding> binding);
    // Gives every control not yet bound the widget of its kind, then shows the model's state.
    void bindRemaining();
    QWidget* widgetOf(const Control& control) const;
    // The control's label stands left of it instead of above it.
    void placeLabelBeside(const Control& control);

    // Runs a user action as one event. Signals that the binder's own updates raise are dropped.
    void runEvent(const std::function<void()>& action);
    // A click reaches the control's handler only when the control took the focus (a field's
    // exit handler may keep it).
    void click(Control& control);
    // A choice in a list or radio group: `select` sets it once the control has the focus; a
    // radio group reports it as a click, a drop-down list as a change.
    void choose(Control& control, const std::function<void()>& select);

    void pushAll();
    // Gives the keyboard focus to the widget of the model's focused control.
    void applyFocus();

    // Called after every event, once the widgets show the model: what a window's view does
    // beyond mirroring controls.
    std::function<void()> afterEvent;
    // Called after an event in which the form closed.
    std::function<void()> onFormClosed;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    WidgetBinding* bindingOf(const Control& control) const;
    // The control a widget (or a widget inside it, such as a list's viewport) belongs to.
    Control* controlOf(const QObject* object) const;
    void pullAll();
    void pushCommon(WidgetBinding& binding);
    void pushLabel(const Control& control, const QWidget& widget);
    void focusChanged(QWidget* now);
    bool keyPressed(Control& control, const QKeyEvent& event);
    void keyReleased(Control& control, const QKeyEvent& event);

    Form& model;
    QWidget& area;
    std::vector<std::unique_ptr<WidgetBinding>> bindings;
    QHash<const QWidget*, Control*> controlsByWidget;
    QHash<const Control*, QLabel*> labels;
    QList<const Control*> labelsBeside;
    int depth = 0;
    bool pushing = false;
    bool applyingFocus = false;
    bool wasShowing = false;
};
