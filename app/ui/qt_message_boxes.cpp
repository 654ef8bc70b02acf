#include "app/ui/qt_message_boxes.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHash>
#include <QMessageBox>
#include <QPushButton>

namespace {

// A box that its window frame may close even without a cancel button; that answer is Cancel.
class FrameClosableBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void closeEvent(QCloseEvent* event) override {
        closedByFrame = true;
        event->accept();
        QDialog::done(QDialog::Rejected);
    }

public:
    bool closedByFrame = false;
};

} // namespace

MsgButton QtMessageBoxes::showMessageBox(const QString& caption, const QString& text,
                                         const QList<MsgButton>& buttons) {
    FrameClosableBox box(QMessageBox::NoIcon, caption, text, QMessageBox::NoButton, owner);
    QHash<QAbstractButton*, MsgButton> answers;
    for (const MsgButton button : buttons) {
        QAbstractButton* shown = box.addButton(buttonCaption(button), QMessageBox::ActionRole);
        answers.insert(shown, button);
    }
    box.exec();
    if (box.closedByFrame) return MsgButton::Cancel;
    return answers.value(box.clickedButton(), MsgButton::Cancel);
}

void QtMessageBoxes::showError(const QString& text) {
    QMessageBox box(QMessageBox::Critical, QApplication::applicationName(), text,
                    QMessageBox::Ok, owner);
    box.exec();
}
