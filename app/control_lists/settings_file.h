#pragma once

#include "app/formats/message_boxes.h"
#include "app/ini/ini_file.h"

#include <QString>
#include <QStringList>

// korvane_tune.ini in the program's folder: the switches and lists of the seal, statement number
// and bag checks. The main window reads it at start; each dialog writes its own sections.
namespace tune {
inline const QString fileName = QStringLiteral("korvane_tune.ini");
inline const QString controlPlombs = QStringLiteral("Control plombs");
inline const QString isControlPlombs = QStringLiteral("IsControlPlombs");
inline const QString valuesPlombs = QStringLiteral("Values plombs");
inline const QString nVedCast = QStringLiteral("NVed Cast");
inline const QString nVedCastValue = QStringLiteral("NVedCastValue");
inline const QString controlBags = QStringLiteral("Control bags");
inline const QString isControlBags = QStringLiteral("IsControlBags");
inline const QString valuesBags = QStringLiteral("Values bags");
} // namespace tune

QString settingsFilePath(const QString& programFolder);

// The main window's state that the settings file and the control dialogs set.
struct ListSettings {
    bool IsControlPlombs = false;
    bool IsValuesPlombs = false;
    QStringList PlombsValues; // "key=seal" lines
    int NVedCastValue = 0;
    bool IsControlBags = false;
    bool IsValuesBags = false;
    QStringList BagsValues;  // the heading line, then one line per bag list entry
    bool isFirstTime = true; // the seal dialog has not been opened yet
};

// Everything the main window takes from the file at start; a missing file or section leaves
// every check off and the statement number in mode 0.
ListSettings readListSettings(const IniFile& file);
// The bag list alone, as opening the bag dialog reads it again.
void readBagList(const IniFile& file, ListSettings& settings);

// The dialogs write when they close; a write that failed must not pass for saved.
void reportSettingsNotSaved(MessageBoxes& boxes, const IniFile& file);
