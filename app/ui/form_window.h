#pragma once

#include "app/form_kit/form.h"
#include "app/ui/form_binder.h"

#include <QEventLoop>
#include <QMenuBar>
#include <QPointer>
#include <QStyle>
#include <QWidget>

// The window of a form: a client area of fixed size that holds the form's widgets, a frame with
// only the close box, and the modal loop that runs while the form shows. The form's showModal
// runs the window; the form closing, by its logic or through the close box, ends it.
class FormWindow : public QWidget {
public:
    FormWindow(Form& form, QSize clientSize, QWidget* owner = nullptr);
    ~FormWindow() override;

    FormBinder& binder() { return formBinder; }
    QWidget& client() { return clientArea; }
    // The main menu above the client area, made on first use.
    QMenuBar& menu();
    // A menu command (in a menu, or an item of the menu bar itself) running as one event.
    QAction* addCommand(QWidget& menu, const QString& text, std::function<void()> command,
                        const QKeySequence& shortcut = {});

    // The picture on a button that has no words (a confirm or exit sign).
    void setButtonIcon(const Control& button, QStyle::StandardPixmap icon);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void runModal();
    void endModal();

    Form& form;
    QWidget clientArea;
    FormBinder formBinder;
    QMenuBar* menuBar = nullptr;
    QPointer<QEventLoop> modalLoop;
};
