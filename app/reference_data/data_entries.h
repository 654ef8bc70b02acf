#pragma once

#include "app/reference_data/xml_document.h"

#include <QList>

// A valid entry of a data file: a DATA element whose KODYPIN is an integer.
struct DataEntry {
    qint32 number; // among the file's valid entries, from 1
    qint32 code;   // KODYPIN
    XmlElement element;
    bool isDefault; // DEFAULT="Y", the start-up entry
};

// The valid entries among a data file root's children, in document order. Invalid ones get no
// number.
QList<DataEntry> validEntries(const XmlElement& root);
