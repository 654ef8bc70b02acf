#include "app/formats/blank_trim.h"
#include "app/formats/input_error.h"
#include "app/formats/text_formats.h"

#include <limits>

namespace {

const QString malformedAmount =
    QStringLiteral("Введите корректное значение суммы в формате \"9,990.00\"!");
const QString amountTooLarge =
    QStringLiteral("Сумма не может превышать 92,233,720,368,547,758.07!");

// Leading spaces, an optional sign, then decimal digits only; "$" is refused anywhere so that no
// hexadecimal form is ever taken for a number.
std::optional<qint64> parseInteger(const QString& text, qint64 min, qint64 max) {
    if (text.contains(QLatin1Char('$'))) return std::nullopt;
    qsizetype at = 0;
    while (at < text.size() && text[at] == QLatin1Char(' ')) ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == QLatin1Char('+') || text[at] == QLatin1Char('-'))) {
        negative = text[at] == QLatin1Char('-');
        ++at;
    }
    if (at == text.size()) return std::nullopt;
    const quint64 limit = negative ? quint64(0) - quint64(min) : quint64(max);
    quint64 magnitude = 0;
    for (; at < text.size(); ++at) {
        const char16_t c = text[at].unicode();
        if (c < u'0' || c > u'9') return std::nullopt;
        const unsigned digit = c - u'0';
        if (magnitude > (limit - digit) / 10) return std::nullopt;
        magnitude = magnitude * 10 + digit;
    }
    return negative ? qint64(quint64(0) - magnitude) : qint64(magnitude);
}

// Negative values are not expected; taking the magnitude apart keeps even the most negative one
// printable instead of undefined.
quint64 magnitudeOf(qint64 value) {
    return value < 0 ? quint64(0) - quint64(value) : quint64(value);
}

QString signOf(qint64 value) {
    return value < 0 ? QStringLiteral("-") : QString();
}

QString digitsText(quint64 value, bool grouped) {
    QString digits = QString::number(value);
    if (grouped) {
        for (qsizetype at = digits.size() - 3; at > 0; at -= 3) digits.insert(at, QLatin1Char(','));
    }
    return digits;
}

} // namespace

std::optional<qint32> tryIntValue(const QString& text) {
    const auto value =
        parseInteger(text, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max());
    if (!value) return std::nullopt;
    return qint32(*value);
}

std::optional<qint64> tryInt64Value(const QString& text) {
    return parseInteger(text, std::numeric_limits<qint64>::min(),
                        std::numeric_limits<qint64>::max());
}

std::optional<qint64> digitsToKop(const QString& digits) {
    if (digits.isEmpty()) return 0;
    if (digits.size() > 19 || !isDigits(digits)) return std::nullopt;
    return tryInt64Value(digits);
}

qint64 sumToKop(const QString& text) {
    const QString trimmed = trimBlanks(text);
    if (trimmed.isEmpty()) return 0;
    const QStringList parts = trimmed.split(QLatin1Char('.'));
    if (parts.size() > 2) throw PVErrInput(malformedAmount);

    QString roubles = parts[0];
    roubles.remove(QLatin1Char(','));
    qsizetype zeros = 0;
    while (zeros < roubles.size() && roubles[zeros] == QLatin1Char('0')) ++zeros;
    roubles.remove(0, zeros);
    if (!isDigits(roubles)) throw PVErrInput(malformedAmount);

    QString kopecks = parts.size() == 2 ? parts[1] : QString();
    while (kopecks.endsWith(QLatin1Char('0'))) kopecks.chop(1);
    if (kopecks.size() > 2 || !isDigits(kopecks)) throw PVErrInput(malformedAmount);

    if (roubles.isEmpty() && kopecks.isEmpty()) return 0;
    const auto amount = digitsToKop(roubles + kopecks.leftJustified(2, QLatin1Char('0')));
    if (!amount) throw PVErrInput(amountTooLarge);
    return *amount;
}

QString intToText(qint64 count, bool grouped) {
    if (count == 0) return {};
    return signOf(count) + digitsText(magnitudeOf(count), grouped);
}

QString kopToText(qint64 amount, bool grouped) {
    if (amount == 0) return {};
    const quint64 magnitude = magnitudeOf(amount);
    const quint64 roubles = magnitude / 100;
    return signOf(amount) + (roubles == 0 ? QStringLiteral("0") : digitsText(roubles, grouped)) +
           QLatin1Char('.') + QStringLiteral("%1").arg(magnitude % 100, 2, 10, QLatin1Char('0'));
}

std::optional<qint64> checkedTotal(const QList<qint64>& amounts) {
    qint64 total = 0;
    for (qint64 amount : amounts) {
        if (amount < 0 || total > std::numeric_limits<qint64>::max() - amount) return std::nullopt;
        total += amount;
    }
    return total;
}
