#pragma once

#include "app/formats/message_boxes.h"
#include "app/platform/defaults_store.h"
#include "app/reference_data/tuning_window.h"

// Fills the window from the default values when no data file entry is there. False, after the
// warning "Нет настроек пункта инкассации!", when the store has no key or the key no KODYPIN.
bool loadRegistryDefaults(const DefaultsStore& store, MessageBoxes& boxes, TuningWindow& window);
