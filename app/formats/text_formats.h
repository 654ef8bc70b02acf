#pragma once

#include <QList>
#include <QString>
#include <optional>

// Text forms of amounts (kopecks), counts, dates and cash-plan symbol codes.
// Routines that take a QString& rewrite it in place; one that throws PVErrInput has changed none
// of its texts.

std::optional<qint32> tryIntValue(const QString& text);
std::optional<qint64> tryInt64Value(const QString& text);

// "1,234.50" -> 123450; the empty text is 0. Throws PVErrInput.
qint64 sumToKop(const QString& text);
// Decimal digits only, at most 2^63 - 1; the empty string is 0.
std::optional<qint64> digitsToKop(const QString& digits);

// 0 gives the empty text; grouped puts "," between thousands.
QString kopToText(qint64 amount, bool grouped);
QString intToText(qint64 count, bool grouped);

// A denomination row: the count (or the sum) was typed, the other follows. Throw PVErrInput.
void countToSum(QString& count, QString& sum, qint64 nominal);
void sumToCount(QString& count, QString& sum, qint64 nominal);

// Cash-plan symbol code: " 5 " -> "05", "0" -> "". Throws PVErrInput.
void checkSkpText(QString& code);
// "1.2.15", "010215", "01022015" -> "01.02.2015"; empty stays empty. Throws PVErrInput.
void checkDate(QString& date);

// Sum of non-negative amounts, or nothing when it would pass 2^63 - 1.
std::optional<qint64> checkedTotal(const QList<qint64>& amounts);

bool isDigits(const QString& text);
bool hasNoDigits(const QString& text);
QString textAfter(const QString& text, QChar separator);

// "5,000 руб.", "0.50 коп."
QString nominalText(qint64 nominal);
// "шт." for a coin, "л." for a banknote.
QString nominalUnit(bool isCoin);

// "Иванов Иван Иванович" -> "Иванов И. И."
QString shortFIO(const QString& fullName);
