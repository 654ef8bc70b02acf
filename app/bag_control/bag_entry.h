#pragma once

#include <QChar>
#include <QString>

// One line of the bag list as the settings file keeps it: the four columns joined by U+0001,
// under a key that is the entry's number ("№" for the heading line).
inline constexpr QChar bagListSeparator = QChar(0x0001);
inline const QString bagHeadingKey = QStringLiteral("№");

struct BagEntry {
    QString first; // "Начальный шифр"
    QString last;  // "Последний шифр"
    QString position; // "Позиция инкремента": start of the counter run, empty without digits
    QString count; // "Кол-во сумок"

    friend bool operator==(const BagEntry&, const BagEntry&) = default;
};

// The headings of the list's columns 1 to 4.
BagEntry bagHeadings();

// A value with fewer separators than four columns need leaves the missing columns empty.
BagEntry splitBagValue(const QString& value);
// An empty count is stored as "1".
QString joinBagValue(BagEntry entry);

// The parts of a "key=value" line of a section.
QString lineKey(const QString& line);
QString lineValue(const QString& line);
