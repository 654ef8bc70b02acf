#include "app/main_window/grid_totals.h"

#include "app/formats/input_error.h"
#include "app/formats/text_formats.h"

qint64 totalOfAmounts(const QStringList& texts, const QString& overflowMessage) {
    QList<qint64> amounts;
    for (const QString& text : texts) amounts << sumToKop(text);
    const auto total = checkedTotal(amounts);
    if (!total) throw PVErrInput(overflowMessage);
    return *total;
}

QString totalText(qint64 amount) {
    return amount == 0 ? QStringLiteral("0.00") : kopToText(amount, true);
}
