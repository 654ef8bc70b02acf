#pragma once

#include "app/formats/message_boxes.h"
#include "app/platform/defaults_store.h"
#include "app/reference_data/data_folder.h"
#include "app/reference_data/tuning_records.h"
#include "app/reference_data/tuning_window.h"

// Loads reference data entries of the program's data files into the statement window.
class TuningLoader {
public:
    TuningLoader(DataFolder folder, const DefaultsStore& defaults, MessageBoxes& boxes,
                 TuningWindow& window);

    // The start-up entry: the first DEFAULT="Y" entry in file order, else the first valid entry
    // of the first file that has one, else the registry defaults. Sets selection and the caption
    // for an entry from a file; false when there is nothing to use.
    bool loadStartupTuning(recTuning& selection);
    // Applies the chosen entry and clears the statement. False, with the window untouched, when
    // the file or the entry is gone; the caller then keeps its selection and caption.
    bool loadTuningEntry(const recTuning& selection);

    const DataFolder& dataFolder() const { return folder; }

private:
    DataFolder folder;
    const DefaultsStore& defaults;
    MessageBoxes& boxes;
    TuningWindow& window;
};
