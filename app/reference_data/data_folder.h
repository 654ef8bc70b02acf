#pragma once

#include "app/reference_data/xml_document.h"

#include <QList>
#include <QString>
#include <optional>

// A candidate reference data file.
struct DataFile {
    QString name; // the file name without its extension: the file part of an entry selection
    QString path;
};

// The program's folder seen as a set of reference data files.
class DataFolder {
public:
    DataFolder(QString folder, QString programName);

    // Every file named "*.xml", extension in any letter case, sorted by file name (code point
    // order, upper case first) so that the same file comes first on every system.
    QList<DataFile> files() const;
    // The file an entry selection names, or nothing when it is gone.
    std::optional<DataFile> find(const QString& name) const;
    // The file's document when it is a data file of this program: parsed, and its root element
    // named like the program in any letter case. Nothing for every other file.
    std::optional<XmlDocument> read(const DataFile& file) const;

private:
    QString folder;
    QString programName;
};
