#include "app/form_kit/form.h"

#include "app/formats/input_error.h"

#include <exception>

namespace {

// Resets a flag however the scope is left.
class FlagGuard {
public:
    explicit FlagGuard(bool& flag) : flag(flag) { flag = true; }
    ~FlagGuard() { flag = false; }

private:
    bool& flag;
};

// Enter handlers that keep sending the focus on cannot loop forever.
constexpr int maxFocusHops = 16;

} // namespace

Form::Form(MessageBoxes& boxes, QString caption) : caption(std::move(caption)), boxes(boxes) {}

Form::~Form() = default;

Control* Form::nextTabTarget(const Control& from, int steps) const {
    const qsizetype count = tabSequence.size();
    qsizetype at = tabSequence.indexOf(&from);
    if (count == 0 || at < 0) return nullptr;
    Control* found = nullptr;
    for (int step = 0; step < steps; ++step) {
        found = nullptr;
        for (qsizetype tried = 0; tried < count && !found; ++tried) {
            at = (at + 1) % count;
            if (tabSequence[at]->isTabTarget()) found = tabSequence[at];
        }
        if (!found) return nullptr;
    }
    return found;
}

Control* Form::tabTargetFrom(Control& start) const {
    return start.isTabTarget() ? &start : nextTabTarget(start);
}

void Form::focus(Control& target) {
    if (!target.canFocus()) return;
    if (movingFocus) {
        requestedFocus = &target;
        return;
    }
    moveFocus(&target);
}

void Form::moveFocus(Control* target) {
    FlagGuard guard(movingFocus);
    for (int hop = 0; hop < maxFocusHops && target != focusedControl; ++hop) {
        Control* leaving = focusedControl;
        requestedFocus = target;
        if (leaving && leaving->onExit) {
            const auto onExit = leaving->onExit; // a handler may replace itself
            onExit(*leaving, target);
        }
        target = requestedFocus;
        if (target == leaving) return;
        focusedControl = target;
        if (target->onEnter) {
            const auto onEnter = target->onEnter;
            onEnter(*target);
        }
        target = requestedFocus;
    }
}

ModalResult Form::showModal() {
    modalResult = ModalResult::None;
    showing = true;
    if (runModal) runModal(*this);
    return modalResult;
}

bool Form::closeWith(ModalResult result) {
    modalResult = result;
    return close();
}

bool Form::close() {
    if (closing) return true;
    if (modalResult == ModalResult::None) modalResult = ModalResult::Cancel;
    bool mayClose = true;
    {
        FlagGuard guard(closing);
        if (onCloseQuery) mayClose = onCloseQuery();
    }
    if (mayClose) {
        showing = false;
    } else {
        modalResult = ModalResult::None;
    }
    return mayClose;
}

void Form::runEvent(const std::function<void()>& action) {
    try {
        action();
    } catch (const PVErrInput& error) {
        boxes.showError(error.message());
    } catch (const std::exception& error) {
        boxes.showError(QString::fromUtf8(error.what()));
    }
}
