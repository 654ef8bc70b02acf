#include "app/reference_data/data_folder.h"

#include <QDir>

DataFolder::DataFolder(QString folder, QString programName)
    : folder(std::move(folder)), programName(std::move(programName)) {}

QList<DataFile> DataFolder::files() const {
    QList<DataFile> found;
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::Files, QDir::Name);
    for (const QFileInfo& entry : entries) {
        if (entry.suffix().toUpper() != u"XML") continue;
        found.append({entry.fileName().chopped(4), entry.filePath()});
    }
    return found;
}

std::optional<DataFile> DataFolder::find(const QString& name) const {
    for (const DataFile& file : files()) {
        if (file.name == name) return file;
    }
    return std::nullopt;
}

std::optional<XmlDocument> DataFolder::read(const DataFile& file) const {
    std::optional<XmlDocument> document = XmlDocument::read(file.path);
    if (!document || document->root().name().toUpper() != programName.toUpper())
        return std::nullopt;
    return document;
}
