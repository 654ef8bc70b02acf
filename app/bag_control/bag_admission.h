#pragma once

#include <QString>
#include <QStringList>

// Whether the bag list admits a bag number. bagLines are the "key=value" lines of the section
// "Values bags"; the heading line (key "№") is passed over. An entry whose count is "1" admits
// its first number exactly; any other entry admits the numbers of its series whose counter lies
// between its first and last number.
bool isBagAdmitted(const QStringList& bagLines, const QString& bagNumber);
