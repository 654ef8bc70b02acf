#pragma once

#include "app/form_kit/control.h"

// The main window's fields that make up the statement number, and the two it copies from.
struct StatementNumberFields {
    Control& NVedName;
    Control& NVedPrefix;
    const Control& FNBag;
    const Control& pinShifr;
};

// Statement number modes (NVedCastValue): 0 collection point code as prefix and up to three
// typed characters, 1 the bag number, 2 free text, 3 no number. Other values lay out as mode 2.
void layOutStatementNumber(int mode, const StatementNumberFields& fields);
// Keeps the number current while the statement is filled in (SetValueForNVedName).
void keepStatementNumberCurrent(int mode, const StatementNumberFields& fields);
