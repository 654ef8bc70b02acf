#include "app/formats/input_error.h"
#include "app/formats/text_formats.h"

#include <QDate>

namespace {

struct DateParts {
    QString day;
    QString month;
    QString year;
};

// "1.2.15" and "1.2.015" name the same day as "01.02.2015"; a short year is in this century.
std::optional<DateParts> splitDate(const QString& text) {
    if (!text.contains(QLatin1Char('.'))) {
        if (text.size() == 6)
            return DateParts{text.sliced(0, 2), text.sliced(2, 2), "20" + text.sliced(4)};
        if (text.size() == 8)
            return DateParts{text.sliced(0, 2), text.sliced(2, 2), text.sliced(4)};
        return std::nullopt;
    }
    const QStringList parts = text.split(QLatin1Char('.'));
    if (parts.size() != 3) return std::nullopt;
    DateParts date{parts[0], parts[1], parts[2]};
    for (QString* dayOrMonth : {&date.day, &date.month}) {
        if (dayOrMonth->isEmpty() || dayOrMonth->size() > 2) return std::nullopt;
        *dayOrMonth = dayOrMonth->rightJustified(2, QLatin1Char('0'));
    }
    if (date.year.size() < 2 || date.year.size() > 4) return std::nullopt;
    date.year = QStringLiteral("20").left(4 - date.year.size()) + date.year;
    return date;
}

} // namespace

void checkDate(QString& date) {
    if (date.isEmpty()) return;
    const auto parts = splitDate(date);
    if (!parts || !isDigits(parts->day) || !isDigits(parts->month) || !isDigits(parts->year) ||
        !QDate::isValid(parts->year.toInt(), parts->month.toInt(), parts->day.toInt()))
        throw PVErrInput(
            QStringLiteral("Введите корректное значение даты формате \"ДД.ММ.ГГГГ\"!"));
    date = parts->day + QLatin1Char('.') + parts->month + QLatin1Char('.') + parts->year;
}
