#include "app/ui/form_binder.h"

#include "app/ui/control_bindings.h"

#include <QApplication>
#include <QKeyEvent>
#include <optional>

namespace {

// Counts the events under way however the handler ends.
class DepthGuard {
public:
    explicit DepthGuard(int& depth) : depth(depth) { ++depth; }
    ~DepthGuard() { --depth; }

private:
    int& depth;
};

class FlagGuard {
public:
    explicit FlagGuard(bool& flag) : flag(flag), before(flag) { flag = true; }
    ~FlagGuard() { flag = before; }

private:
    bool& flag;
    bool before;
};

// The key as the form's handlers know it; nothing for keys they have no name for.
std::optional<KeyPress> modelKey(const QKeyEvent& event) {
    KeyPress key;
    key.ctrl = event.modifiers().testFlag(Qt::ControlModifier);
    key.shift = event.modifiers().testFlag(Qt::ShiftModifier);
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: // the keypad's
        key.code = KeyPress::Enter;
        return key;
    case Qt::Key_Tab:
        key.code = KeyPress::Tab;
        return key;
    case Qt::Key_Backspace:
        key.code = KeyPress::Backspace;
        return key;
    case Qt::Key_Delete:
        key.code = KeyPress::Delete;
        return key;
    case Qt::Key_Left:
        key.code = KeyPress::Left;
        return key;
    case Qt::Key_Right:
        key.code = KeyPress::Right;
        return key;
    case Qt::Key_Escape:
        key.code = KeyPress::Escape;
        return key;
    default:
        break;
    }
    const QString text = event.text();
    if (key.ctrl || text.size() != 1 || !text[0].isPrint()) return std::nullopt;
    key.code = KeyPress::Character;
    key.character = text[0];
    return key;
}

} // namespace

FormBinder::FormBinder(Form& form, QWidget& surface) : model(form), area(surface) {
    qApp->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { focusChanged(now); });
}

FormBinder::~FormBinder() = default;

QWidget& FormBinder::bind(std::unique_ptr<WidgetBinding> binding) {
    WidgetBinding& bound = *binding;
    bindings.push_back(std::move(binding));
    controlsByWidget.insert(&bound.widget(), &bound.control());
    bound.connectEvents(*this);
    return bound.widget();
}

void FormBinder::bindRemaining() {
    for (const auto& control : model.controls()) {
        if (!bindingOf(*control)) bind(makeDefaultBinding(*control, area));
    }
    // Qt walks Backtab along the same order as the form walks Tab.
    QWidget* previous = nullptr;
    for (Control* control : model.tabOrder()) {
        QWidget* widget = widgetOf(*control);
        if (previous && widget) QWidget::setTabOrder(previous, widget);
        if (widget) previous = widget;
    }
    pushAll();
}

WidgetBinding* FormBinder::bindingOf(const Control& control) const {
    for (const auto& binding : bindings) {
        if (&binding->control() == &control) return binding.get();
    }
    return nullptr;
}

QWidget* FormBinder::widgetOf(const Control& control) const {
    WidgetBinding* binding = bindingOf(control);
    return binding ? &binding->widget() : nullptr;
}

void FormBinder::placeLabelBeside(const Control& control) {
    labelsBeside.append(&control);
}

Control* FormBinder::controlOf(const QObject* object) const {
    for (; object; object = object->parent()) {
        if (Control* control = controlsByWidget.value(static_cast<const QWidget*>(object)))
            return control;
        if (object->isWidgetType() && static_cast<const QWidget*>(object)->isWindow()) break;
    }
    return nullptr;
}

void FormBinder::runEvent(const std::function<void()>& action) {
    if (pushing) return;
    {
        DepthGuard guard(depth);
        model.runEvent([&] {
            pullAll();
            if (action) action();
        });
        pushAll();
    }
    if (depth > 0) return;
    applyFocus();
    if (afterEvent) afterEvent();
    if (wasShowing && !model.isShowing()) {
        wasShowing = false;
        if (onFormClosed) onFormClosed();
    }
}

void FormBinder::click(Control& control) {
    runEvent([&] {
        if (control.canFocus() && !model.isFocused(control)) return;
        if (const auto onClick = control.onClick) onClick(control);
    });
}

void FormBinder::choose(Control& control, const std::function<void()>& select) {
    runEvent([&] {
        model.focus(control);
        if (!model.isFocused(control)) return;
        select();
        const auto handler =
            control.kind() == Control::Kind::RadioGroup ? control.onClick : control.onChange;
        if (handler) handler(control);
    });
}

void FormBinder::pullAll() {
    for (const auto& binding : bindings) binding->pull();
}

void FormBinder::pushAll() {
    FlagGuard guard(pushing);
    if (model.isShowing()) wasShowing = true;
    QWidget* window = area.window();
    if (window->windowTitle() != model.caption) window->setWindowTitle(model.caption);
    for (const auto& binding : bindings) {
        binding->push();
        pushCommon(*binding);
    }
}

void FormBinder::pushCommon(WidgetBinding& binding) {
    const Control& control = binding.control();
    QWidget& widget = binding.widget();
    if (control.width > 0 && control.height > 0) {
        const QRect geometry(control.left, control.top, control.width, control.height);
        if (widget.geometry() != geometry) widget.setGeometry(geometry);
    }
    if (widget.isEnabled() != control.enabled) widget.setEnabled(control.enabled);
    if (widget.isHidden() == control.visible) widget.setVisible(control.visible);
    const QString tip = control.showHint ? control.hint : QString();
    if (widget.toolTip() != tip) widget.setToolTip(tip);
    if (control.canFocus()) {
        // Tab passes over what is no tab target; a click still reaches it.
        const Qt::FocusPolicy policy = control.isTabTarget() ? Qt::StrongFocus : Qt::ClickFocus;
        if (binding.focusWidget().focusPolicy() != policy)
            binding.focusWidget().setFocusPolicy(policy);
    }
    if (!binding.showsOwnLabel()) pushLabel(control, widget);
}

void FormBinder::pushLabel(const Control& control, const QWidget& widget) {
    QLabel* label = labels.value(&control);
    if (!label) {
        if (control.label.isEmpty()) return;
        label = new QLabel(&area);
        labels.insert(&control, label);
    }
    if (label->text() != control.label) label->setText(control.label);
    label->setVisible(control.visible && !control.label.isEmpty());
    const QSize size = label->sizeHint();
    const QRect field = widget.geometry();
    QRect place;
    if (labelsBeside.contains(&control)) {
        place = QRect(field.left() - size.width() - 6, field.center().y() - size.height() / 2,
                      size.width(), size.height());
    } else {
        // Above the field; a label wider than its field ends where the field ends, so blanks
        // at its end move its words to the left.
        const int left =
            size.width() > field.width() ? field.right() + 1 - size.width() : field.left();
        place = QRect(left, field.top() - size.height() - 2, size.width(), size.height());
    }
    if (label->geometry() != place) label->setGeometry(place);
}

void FormBinder::applyFocus() {
    Control* focused = model.focused();
    WidgetBinding* binding = focused ? bindingOf(*focused) : nullptr;
    if (!binding || controlOf(QApplication::focusWidget()) == focused) return;
    QWidget& widget = binding->focusWidget();
    if (!widget.isEnabled() || widget.isHidden()) return;
    FlagGuard guard(applyingFocus);
    widget.setFocus(Qt::OtherFocusReason);
}

void FormBinder::focusChanged(QWidget* now) {
    // Inside an event the model decides where the focus goes; a message box that took the
    // focus and gave it back must not move it a second time.
    if (depth > 0 || applyingFocus) return;
    Control* control = controlOf(now);
    if (!control || model.isFocused(*control)) return;
    runEvent([&] { model.focus(*control); });
}

bool FormBinder::eventFilter(QObject* watched, QEvent* event) {
    const bool press = event->type() == QEvent::KeyPress;
    if (!press && event->type() != QEvent::KeyRelease) return false;
    // A key the focused widget ignored travels on to its parents; it is handled once.
    if (watched != QApplication::focusWidget()) return false;
    Control* control = controlOf(watched);
    if (!control) return false;
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (press) return keyPressed(*control, key);
    keyReleased(*control, key);
    return false;
}

bool FormBinder::keyPressed(Control& control, const QKeyEvent& event) {
    std::optional<KeyPress> key = modelKey(event);
    if (!key) return false;
    WidgetBinding* binding = bindingOf(control);
    bool consumed = false;
    runEvent([&] {
        if (const auto onKeyPress = control.onKeyPress) onKeyPress(control, *key);
        if (key->handled) {
            consumed = true;
        } else if (key->code == KeyPress::Tab && !key->shift) {
            // Tab follows the form's own order, skipping what is closed or read-only. Claimed
            // before the move: an exit check that refuses it must not let Qt move the focus and
            // run the check a second time.
            consumed = true;
            if (Control* next = model.nextTabTarget(control)) model.focus(*next);
        } else if (binding->typesThroughModel() && key->code == KeyPress::Character) {
            control.insertTyped(QString(key->character));
            consumed = true;
        } else if (binding->typesThroughModel() && key->code == KeyPress::Backspace) {
            control.deleteBackward();
            consumed = true;
        }
    });
    return consumed;
}

void FormBinder::keyReleased(Control& control, const QKeyEvent& event) {
    if (event.isAutoRepeat() || !control.onKeyUp) return;
    std::optional<KeyPress> key = modelKey(event);
    if (!key) return;
    runEvent([&] {
        if (const auto onKeyUp = control.onKeyUp) onKeyUp(control, *key);
    });
}
