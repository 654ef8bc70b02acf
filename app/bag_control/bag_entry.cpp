#include "app/bag_control/bag_entry.h"

#include <QStringList>

BagEntry bagHeadings() {
    return {QStringLiteral("Начальный шифр"), QStringLiteral("Последний шифр"),
            QStringLiteral("Позиция инкремента"), QStringLiteral("Кол-во сумок")};
}

BagEntry splitBagValue(const QString& value) {
    const QStringList parts = value.split(bagListSeparator);
    BagEntry entry;
    entry.first = parts.front();
    if (parts.size() >= 2) entry.count = parts.back();
    if (parts.size() >= 3) entry.last = parts[1];
    if (parts.size() >= 4) entry.position = parts[2];
    return entry;
}

QString joinBagValue(BagEntry entry) {
    if (entry.count.isEmpty()) entry.count = QStringLiteral("1");
    return QStringList{entry.first, entry.last, entry.position, entry.count}.join(bagListSeparator);
}

QString lineKey(const QString& line) {
    return line.section(u'=', 0, 0);
}

QString lineValue(const QString& line) {
    const qsizetype equals = line.indexOf(u'=');
    return equals < 0 ? QString() : line.sliced(equals + 1);
}
