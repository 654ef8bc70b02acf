#pragma once

#include "app/formats/message_boxes.h"

#include <QPointer>
#include <QWidget>

// The message boxes as modal Qt dialogs, with the Russian button captions and no icon.
class QtMessageBoxes : public MessageBoxes {
public:
    // Boxes are centred over the owner while it exists.
    void setOwner(QWidget* window) { owner = window; }

    MsgButton showMessageBox(const QString& caption, const QString& text,
                             const QList<MsgButton>& buttons) override;
    // The application's general error box: the program's title, an error sign and one button.
    void showError(const QString& text) override;

private:
    QPointer<QWidget> owner;
};
