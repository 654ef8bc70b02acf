#pragma once

#include "app/reference_data/tuning_records.h"

#include <QString>

// "Нет настроек пункта инкассации!": no reference data to use.
QString noSettingsMessage();

// The window caption without a data file entry (registry defaults).
QString plainCaption();
// "name", or "name(2)" for any entry but the first: how an entry is listed for choice.
QString tuningItemText(const recTuning& selection);
// The window caption while the entry is in use.
QString tuningCaption(const recTuning& selection);
