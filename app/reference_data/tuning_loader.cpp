#include "app/reference_data/tuning_loader.h"

#include "app/reference_data/data_entries.h"
#include "app/reference_data/read_data_entry.h"
#include "app/reference_data/registry_defaults.h"
#include "app/reference_data/tuning_texts.h"

namespace {

struct FoundEntry {
    recTuningDate data;
    recTuning selection;
};

std::optional<FoundEntry> findStartupEntry(const DataFolder& folder) {
    std::optional<FoundEntry> first;
    for (const DataFile& file : folder.files()) {
        const std::optional<XmlDocument> document = folder.read(file);
        if (!document) continue;
        for (const DataEntry& entry : validEntries(document->root())) {
            if (!entry.isDefault && first) continue;
            FoundEntry found{readDataEntry(entry.code, entry.element), {file.name, entry.number}};
            if (entry.isDefault) return found;
            first = std::move(found);
        }
    }
    return first;
}

} // namespace

TuningLoader::TuningLoader(DataFolder folder, const DefaultsStore& defaults, MessageBoxes& boxes,
                           TuningWindow& window)
    : folder(std::move(folder)), defaults(defaults), boxes(boxes), window(window) {}

bool TuningLoader::loadStartupTuning(recTuning& selection) {
    const std::optional<FoundEntry> found = findStartupEntry(folder);
    if (!found) return loadRegistryDefaults(defaults, boxes, window);
    selection = found->selection;
    window.applyTuningData(found->data);
    window.setCaption(tuningCaption(selection));
    return true;
}

bool TuningLoader::loadTuningEntry(const recTuning& selection) {
    const std::optional<DataFile> file = folder.find(selection.fileTuning);
    if (!file) return false;
    const std::optional<XmlDocument> document = folder.read(*file);
    if (!document) return false;
    for (const DataEntry& entry : validEntries(document->root())) {
        if (entry.number != selection.iterator) continue;
        window.applyTuningData(readDataEntry(entry.code, entry.element));
        window.clearStatement();
        return true;
    }
    return false;
}
