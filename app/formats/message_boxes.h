#pragma once

#include <QList>
#include <QString>

enum class MsgButton {
    Yes,
    No,
    OK,
    Cancel,
    Abort,
    Retry,
    Ignore,
    All,
    NoToAll,
    YesToAll,
    Help,
    Close
};

// The Russian caption shown on the button.
QString buttonCaption(MsgButton button);

// How the program speaks to the cashier. The Qt dialogs implement it; tests script it.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;

    // Modal, without an icon; Cancel when closed through the window frame.
    virtual MsgButton showMessageBox(const QString& caption, const QString& text,
                                     const QList<MsgButton>& buttons) = 0;
    // The application's general error box for errors no handler caught.
    virtual void showError(const QString& text) = 0;

    // "Предупреждение" with the single button Yes.
    MsgButton showWarning(const QString& text);
    // "Подтверждение" with Yes and No; callers take anything but Yes as a refusal.
    MsgButton askYesNo(const QString& text);
};
