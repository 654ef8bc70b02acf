#pragma once

#include "app/reference_data/tuning_records.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <gtest/gtest.h>
#include <ostream>

// Writes bytes to folder/name, replacing any file there.
inline void writeFile(const QString& folder, const QString& name, const QByteArray& bytes) {
    QFile file(folder + u'/' + name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// The program these tests stand for; data files name their root after it.
inline const QString testProgram = QStringLiteral("korvane");

// A UTF-8 data file with the given elements inside its root.
inline QByteArray dataXml(const QString& inner, const QString& root = QStringLiteral("Korvane")) {
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<%1>%2</%1>\n")
        .arg(root, inner)
        .toUtf8();
}

inline void PrintTo(const recTuning& selection, std::ostream* out) {
    *out << '{' << selection.fileTuning.toStdString() << ", " << selection.iterator << '}';
}
