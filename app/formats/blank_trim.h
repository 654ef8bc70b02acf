#pragma once

#include <QString>

// Every character up to code 32 counts as a blank here, control characters included; Qt's
// trimmed() would keep those and drop Unicode spaces instead.
inline QString trimBlanks(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin].unicode() <= 32) ++begin;
    while (end > begin && text[end - 1].unicode() <= 32) --end;
    return text.sliced(begin, end - begin);
}
