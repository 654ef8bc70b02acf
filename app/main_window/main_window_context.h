#pragma once

#include "app/formats/message_boxes.h"
#include "app/platform/defaults_store.h"

#include <QDate>
#include <QString>
#include <functional>

// What the statement window takes from the system around it.
struct MainWindowContext {
    MessageBoxes& boxes;
    const DefaultsStore& defaults;
    QString programFolder; // data files, settings file and barcode library
    QString programName;   // the executable's name without extension
    std::function<QDate()> today;
    std::function<void()> activateKeyboardLayout;
};
