#pragma once

#include "app/form_kit/control.h"
#include "app/formats/message_boxes.h"

#include <QList>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

enum class ModalResult { None, OK, Cancel };

// A window as its logic sees it: its controls, their tab order and the current focus, whether it
// is shown, and the event loop's last resort for errors no handler caught.
class Form {
public:
    Form(MessageBoxes& boxes, QString caption);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    MessageBoxes& messageBoxes() const { return boxes; }

    // Every control, in the order the form made them.
    const std::vector<std::unique_ptr<Control>>& controls() const { return owned; }

    void setTabOrder(QList<Control*> order) { tabSequence = std::move(order); }
    const QList<Control*>& tabOrder() const { return tabSequence; }
    // The control `steps` tab targets after `from` in tab order, wrapping at the end; from itself
    // when it is the only one, null when there is none.
    Control* nextTabTarget(const Control& from, int steps = 1) const;
    // start when it is a tab target, else the next one after it.
    Control* tabTargetFrom(Control& start) const;

    Control* focused() const { return focusedControl; }
    bool isFocused(const Control& control) const { return focusedControl == &control; }
    // Moves the focus as the window system does: the exit handler of the control losing it learns
    // the control gaining it and may send the focus back or elsewhere, then the gaining control's
    // enter handler runs. Called from inside those handlers it redirects the move under way. A
    // control that cannot take the focus is ignored.
    void focus(Control& target);

    QString caption;
    bool isShowing() const { return showing; }
    // Shows the form and hands it to runModal, which stands for the modal loop (the view runs
    // the dialog, a test drives it). Returns how the form was closed.
    ModalResult showModal();
    // Asks onCloseQuery; false when the form stays open. A close asked for while the form is
    // already closing only lets that close go on. Closing without a result, as the window's
    // close box does, gives Cancel.
    bool close();
    bool closeWith(ModalResult result);
    ModalResult modalResult = ModalResult::None;
    std::function<void(Form&)> runModal;
    std::function<bool()> onCloseQuery;

    // Runs one user action as the event loop does: an exception that no handler caught is shown
    // in the general error box and ends the action.
    void runEvent(const std::function<void()>& action);

protected:
    template <typename T = Control, typename... Args> T& make(Args&&... args) {
        auto control = std::make_unique<T>(*this, std::forward<Args>(args)...);
        T& made = *control;
        owned.push_back(std::move(control));
        return made;
    }

private:
    void moveFocus(Control* target);

    MessageBoxes& boxes;
    std::vector<std::unique_ptr<Control>> owned;
    QList<Control*> tabSequence;
    Control* focusedControl = nullptr;
    Control* requestedFocus = nullptr;
    bool movingFocus = false;
    bool showing = false;
    bool closing = false;
};
