#pragma once

#include "app/formats/text_formats.h"

#include <QString>

// A symbol code as the grid holds it; 0 for an empty or unreadable text.
inline qint32 codeOf(const QString& text) {
    return tryIntValue(text).value_or(0);
}

// A code as the messages offer it: "05".
inline QString quotedCode(qint32 code) {
    return QStringLiteral("\"%1\"").arg(code, 2, 10, QLatin1Char('0'));
}

// The sign of a secondary (off-balance) symbol in the symbol lists.
inline bool isSecondarySign(const QString& sign) {
    return sign == QStringLiteral("З");
}
