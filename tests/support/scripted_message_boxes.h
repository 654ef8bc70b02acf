#pragma once

#include "app/formats/message_boxes.h"

#include <QList>
#include <QString>
#include <QStringList>

// Message boxes for tests: records every box and answers from a queue.
// With the queue empty a box is answered with its first button (Cancel when it has none), so a
// test that does not care about the answers needs no script. An answer that is not among the
// box's buttons fails the running test.
class ScriptedMessageBoxes : public MessageBoxes {
public:
    struct Box {
        QString caption;
        QString text;
        QList<MsgButton> buttons;
    };

    MsgButton showMessageBox(const QString& caption, const QString& text,
                             const QList<MsgButton>& buttons) override;
    void showError(const QString& text) override;

    // Answers for the next boxes, in order.
    QList<MsgButton> answers;
    // Every box shown, in order.
    QList<Box> boxes;
    // The texts of the general error boxes, in order.
    QStringList errors;
};
