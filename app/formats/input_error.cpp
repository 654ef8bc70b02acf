#include "app/formats/input_error.h"

PVErrInput::PVErrInput(const QString& message) : text(message), utf8(message.toUtf8()) {}

PVErrInput::PVErrInput(const QString& format, std::initializer_list<QString> args) {
    const QString placeholder = QStringLiteral("%s");
    qsizetype from = 0;
    for (const QString& arg : args) {
        const qsizetype at = format.indexOf(placeholder, from);
        if (at < 0) break;
        text += QStringView(format).sliced(from, at - from);
        text += arg;
        from = at + placeholder.size();
    }
    text += QStringView(format).sliced(from);
    utf8 = text.toUtf8();
}
