#include "app/control_lists/settings_file.h"

#include <QDir>

QString settingsFilePath(const QString& programFolder) {
    return QDir(programFolder).filePath(tune::fileName);
}

ListSettings readListSettings(const IniFile& file) {
    ListSettings settings;
    settings.IsControlPlombs = file.readBool(tune::controlPlombs, tune::isControlPlombs, false);
    settings.IsValuesPlombs = file.sectionExists(tune::valuesPlombs);
    if (settings.IsValuesPlombs) settings.PlombsValues = file.sectionLines(tune::valuesPlombs);
    settings.NVedCastValue = file.readInteger(tune::nVedCast, tune::nVedCastValue, -1);
    if (settings.NVedCastValue == -1) settings.NVedCastValue = 0;
    settings.IsControlBags = file.readBool(tune::controlBags, tune::isControlBags, false);
    readBagList(file, settings);
    return settings;
}

void readBagList(const IniFile& file, ListSettings& settings) {
    settings.IsValuesBags = file.sectionExists(tune::valuesBags);
    if (settings.IsValuesBags) settings.BagsValues = file.sectionLines(tune::valuesBags);
}

void reportSettingsNotSaved(MessageBoxes& boxes, const IniFile& file) {
    boxes.showError(QStringLiteral("Не удалось сохранить настройки в файл %1")
                        .arg(QDir::toNativeSeparators(file.path())));
}
