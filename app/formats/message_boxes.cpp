#include "app/formats/message_boxes.h"

QString buttonCaption(MsgButton button) {
    switch (button) {
    case MsgButton::Yes:
        return QStringLiteral("Да");
    case MsgButton::No:
        return QStringLiteral("Нет");
    case MsgButton::OK:
        return QStringLiteral("Подтвердить");
    case MsgButton::Cancel:
        return QStringLiteral("Отказаться");
    case MsgButton::Abort:
        return QStringLiteral("Прервать");
    case MsgButton::Retry:
        return QStringLiteral("Повторить");
    case MsgButton::Ignore:
        return QStringLiteral("Игнорировать");
    case MsgButton::All:
        return QStringLiteral("Все");
    case MsgButton::NoToAll:
        return QStringLiteral("Нет для всех");
    case MsgButton::YesToAll:
        return QStringLiteral("Да для всех");
    case MsgButton::Help:
        return QStringLiteral("Помощь");
    case MsgButton::Close:
        return QStringLiteral("Закрыть");
    }
    return {};
}

MsgButton MessageBoxes::showWarning(const QString& text) {
    return showMessageBox(QStringLiteral("Предупреждение"), text, {MsgButton::Yes});
}

MsgButton MessageBoxes::askYesNo(const QString& text) {
    return showMessageBox(QStringLiteral("Подтверждение"), text, {MsgButton::Yes, MsgButton::No});
}
