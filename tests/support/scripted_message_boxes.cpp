#include "tests/support/scripted_message_boxes.h"

#include <gtest/gtest.h>

MsgButton ScriptedMessageBoxes::showMessageBox(const QString& caption, const QString& text,
                                               const QList<MsgButton>& buttons) {
    boxes.append({caption, text, buttons});
    if (answers.isEmpty()) return buttons.isEmpty() ? MsgButton::Cancel : buttons.first();
    const MsgButton answer = answers.takeFirst();
    if (!buttons.contains(answer))
        ADD_FAILURE() << "scripted answer " << buttonCaption(answer).toStdString()
                      << " is not a button of the box \"" << text.toStdString() << "\"";
    return answer;
}

void ScriptedMessageBoxes::showError(const QString& text) {
    errors.append(text);
}
