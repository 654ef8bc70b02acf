#pragma once

#include "app/formats/cp1251.h"
#include "lumetra/message/prepared_decoder.h"

#include <QString>
#include <QStringList>
#include <map>
#include <string>
#include <vector>

// What the bank should read from a statement's barcode message: one item per key=value line with
// a value, in line order, coded as document type "13" codes its keys.
inline std::vector<lumetra::FieldItem> expectedFieldItems(const QString& message) {
    static const std::map<QString, std::string> fieldCodes{
        {"A", "2"}, {"B", "3"}, {"C", "4"}, {"D", "5"}, {"E", "6"}, {"F", "7"}, {"0", "8"}};
    std::vector<lumetra::FieldItem> items;
    const QStringList lines = message.split("\r\n", Qt::SkipEmptyParts);
    for (const QString& line : lines.mid(1)) {
        const qsizetype equals = line.indexOf(u'=');
        const QByteArray value = toCp1251(line.mid(equals + 1));
        if (!value.isEmpty())
            items.push_back({fieldCodes.at(line.left(equals)), value.toStdString()});
    }
    return items;
}
