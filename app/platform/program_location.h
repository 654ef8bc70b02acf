#pragma once

#include <QString>

// Where the running program lives; both need a QCoreApplication.

// The executable's folder, where the data files, the settings file and the barcode library are.
QString programFolder();
// The executable's file name without a ".exe" extension: "korvane" on Linux, "Korvane" for
// Korvane.exe. Data files name their root element after it.
QString programName();
