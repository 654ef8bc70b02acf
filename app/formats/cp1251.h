#pragma once

#include <QByteArray>
#include <QString>

// Windows-1251, the code page of the settings file, the reference data and the barcode message.
// Characters without a code become "?" and clear *allMapped, so a caller can refuse the text.
QByteArray toCp1251(const QString& text, bool* allMapped = nullptr);
// The one undefined byte, 0x98, becomes U+FFFD.
QString fromCp1251(const QByteArray& bytes);
