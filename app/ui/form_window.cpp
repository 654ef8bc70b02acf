#include "app/ui/form_window.h"

#include <QCloseEvent>
#include <QFont>
#include <QPushButton>
#include <QVBoxLayout>

FormWindow::FormWindow(Form& form, QSize clientSize, QWidget* owner)
    : QWidget(owner, owner ? Qt::Dialog : Qt::Window), form(form), clientArea(this),
      formBinder(form, clientArea) {
    setWindowFlags(windowFlags() | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowFlag(Qt::WindowMinimizeButtonHint, false);
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    setWindowModality(owner ? Qt::ApplicationModal : Qt::NonModal);
    // The layouts are in pixels, so the font is too: they hold at any screen resolution.
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setPixelSize(12);
    setFont(font);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    clientArea.setFixedSize(clientSize);
    layout->addWidget(&clientArea);
    form.runModal = [this](Form&) { runModal(); };
    formBinder.onFormClosed = [this] { endModal(); };
}

FormWindow::~FormWindow() {
    form.runModal = nullptr;
}

QMenuBar& FormWindow::menu() {
    if (!menuBar) {
        menuBar = new QMenuBar(this);
        static_cast<QVBoxLayout*>(layout())->setMenuBar(menuBar);
    }
    return *menuBar;
}

QAction* FormWindow::addCommand(QWidget& menu, const QString& text, std::function<void()> command,
                                const QKeySequence& shortcut) {
    QAction* action = menu.addAction(text);
    action->setShortcut(shortcut);
    connect(action, &QAction::triggered, this,
            [this, command = std::move(command)] { formBinder.runEvent(command); });
    return action;
}

void FormWindow::setButtonIcon(const Control& button, QStyle::StandardPixmap icon) {
    if (auto* shown = qobject_cast<QPushButton*>(formBinder.widgetOf(button)))
        shown->setIcon(style()->standardIcon(icon));
}

void FormWindow::runModal() {
    formBinder.pushAll();
    if (QWidget* owner = parentWidget()) {
        // Over the middle of the window that opened it, as a dialog stands.
        adjustSize();
        move(owner->frameGeometry().center() - rect().center());
    }
    show();
    raise();
    activateWindow();
    formBinder.applyFocus();
    QEventLoop loop;
    modalLoop = &loop;
    loop.exec(QEventLoop::DialogExec);
}

void FormWindow::endModal() {
    hide();
    // The window that opened the dialog takes the keyboard back, even without a window manager.
    if (QWidget* owner = parentWidget()) owner->activateWindow();
    if (modalLoop) modalLoop->quit();
}

void FormWindow::closeEvent(QCloseEvent* event) {
    // The form's close query decides; the binder hides the window once the form has closed.
    if (form.isShowing()) formBinder.runEvent([this] { form.close(); });
    event->setAccepted(!form.isShowing());
}
