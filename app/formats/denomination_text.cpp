#include "app/formats/blank_trim.h"
#include "app/formats/input_error.h"
#include "app/formats/text_formats.h"

#include <limits>
#include <stdexcept>

namespace {

// Nominals come from the program's own table; a zero one would divide by zero.
void requirePositive(qint64 nominal) {
    if (nominal <= 0) throw std::invalid_argument("denomination nominal must be positive");
}

} // namespace

void countToSum(QString& count, QString& sum, qint64 nominal) {
    requirePositive(nominal);
    const QString digits = trimBlanks(count).remove(QLatin1Char(','));
    const auto value = digits.isEmpty() ? std::optional<qint64>(0) : tryInt64Value(digits);
    if (!value)
        throw PVErrInput(
            QStringLiteral("Количество не может превышать 9,223,372,036,854,775,807!"));
    // A blank or zero count keeps what was typed, but no stale sum may stay beside it.
    if (*value == 0) {
        sum.clear();
        return;
    }
    if (*value < 0)
        throw PVErrInput(
            QStringLiteral("Введите корректное значение количества в формате \"9,990\"!"));
    if (*value > std::numeric_limits<qint64>::max() / nominal)
        throw PVErrInput(QStringLiteral("Сумма не может превышать 92,233,720,368,547,758.07!"));
    count = intToText(*value, true);
    sum = kopToText(*value * nominal, true);
}

void sumToCount(QString& count, QString& sum, qint64 nominal) {
    requirePositive(nominal);
    const qint64 amount = sumToKop(sum);
    if (amount % nominal != 0) throw PVErrInput(QStringLiteral("Введите сумму кратную номиналу!"));
    count = intToText(amount / nominal, true);
    sum = kopToText(amount, true);
}

QString nominalText(qint64 nominal) {
    if (nominal % 100 != 0) return kopToText(nominal, true) + QStringLiteral(" коп.");
    return intToText(nominal / 100, true) + QStringLiteral(" руб.");
}

QString nominalUnit(bool isCoin) {
    return isCoin ? QStringLiteral("шт.") : QStringLiteral("л.");
}
