#pragma once

#include <QString>
#include <QStringList>

// Shown in red on the document sum while the symbol rows do not add up to it.
inline const QString documentSumMismatch =
    QStringLiteral("Сумма документа не равна сумме с разбивкой по СКП!");

inline const QString symbolAmountsOverflow =
    QStringLiteral("Суммы по СКП не могут превышат 92,233,720,368,547,758.07!!");

// The total of money texts (empty counts 0). Throws PVErrInput: a text's own message, or
// overflowMessage when the total passes the largest amount.
qint64 totalOfAmounts(const QStringList& texts, const QString& overflowMessage);

// Totals and the document sum show "0.00" where a grid amount is empty.
QString totalText(qint64 amount);
