#pragma once

#include <QString>
#include <ostream>

// Lets GoogleTest show QString values in failure messages instead of raw bytes.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
