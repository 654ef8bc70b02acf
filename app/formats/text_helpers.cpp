#include "app/formats/blank_trim.h"
#include "app/formats/input_error.h"
#include "app/formats/text_formats.h"

#include <algorithm>

namespace {

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

bool isDigits(const QString& text) {
    return std::all_of(text.begin(), text.end(), isDigit);
}

bool hasNoDigits(const QString& text) {
    return std::none_of(text.begin(), text.end(), isDigit);
}

QString textAfter(const QString& text, QChar separator) {
    const qsizetype at = text.indexOf(separator);
    return at < 0 ? text : text.sliced(at + 1);
}

void checkSkpText(QString& code) {
    const QString trimmed = trimBlanks(code);
    if (trimmed.isEmpty()) {
        code.clear();
        return;
    }
    const auto value = tryIntValue(trimmed);
    if (!value || *value < 0 || *value >= 1000)
        throw PVErrInput(QStringLiteral("Введите корректное значение СКП формате \"900\"!"));
    code = *value == 0 ? QString() : QStringLiteral("%1").arg(*value, 2, 10, QLatin1Char('0'));
}

QString shortFIO(const QString& fullName) {
    QString name = trimBlanks(fullName);
    name.replace(QLatin1Char('.'), QLatin1Char(' '));
    // Empty words (a trailing "." or doubled blanks) are no initials.
    const QStringList words = name.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty()) return {};
    QString result = words[0];
    if (words.size() >= 2) result += QLatin1Char(' ') + words[1][0] + QStringLiteral(". ");
    if (words.size() >= 3) result += words[2][0] + QLatin1Char('.');
    return result;
}
