#include "app/platform/ini_defaults_store.h"

#include "app/ini/ini_file.h"

IniDefaultsStore::IniDefaultsStore(QString path) : path(std::move(path)) {}

std::optional<DefaultValues> IniDefaultsStore::readKey() const {
    const IniFile file(path);
    const QString sectionName = QString::fromLatin1(section);
    if (!file.sectionExists(sectionName)) return std::nullopt;
    DefaultValues values;
    for (const QString& line : file.sectionLines(sectionName)) {
        const qsizetype equals = line.indexOf(u'=');
        // Value names are found without regard to letter case, as in the registry.
        const QString name = line.left(equals).trimmed().toUpper();
        if (!values.contains(name)) values.insert(name, line.mid(equals + 1));
    }
    return values;
}

std::unique_ptr<DefaultsStore> systemDefaultsStore() {
    return std::make_unique<IniDefaultsStore>();
}
