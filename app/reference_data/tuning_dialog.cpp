#include "app/reference_data/tuning_dialog.h"

#include "app/reference_data/data_entries.h"
#include "app/reference_data/tuning_texts.h"

namespace {

void place(Control& control, int left, int top, int width, int height) {
    control.left = left;
    control.top = top;
    control.width = width;
    control.height = height;
}

} // namespace

TDlgTuning::TDlgTuning(MessageBoxes& boxes, TuningLoader loader, TuningWindow& window)
    : Form(boxes, QStringLiteral("Настройка")), loader(std::move(loader)), window(window) {
    Label1.setText(QStringLiteral("Файл"));
    place(Label1, 44, 33, 40, 17);
    place(DataComboBox, 96, 32, 145, 21);
    OKBtn.hint = QStringLiteral("Применить");
    OKBtn.showHint = true;
    place(OKBtn, 163, 82, 30, 25);
    exitBtn.hint = QStringLiteral("Выход");
    exitBtn.showHint = true;
    place(exitBtn, 211, 82, 30, 25);
    setTabOrder({&DataComboBox, &OKBtn, &exitBtn});
    OKBtn.onClick = [this](Control&) { OKBtnClick(); };
    exitBtn.onClick = [this](Control&) { exitBtnClick(); };
}

void TDlgTuning::chooseTuning(recTuning& curTuningData) {
    if (!fillList(curTuningData)) {
        messageBoxes().showWarning(noSettingsMessage());
        return;
    }
    confirmed = false;
    showModal();
    const qsizetype chosen = DataComboBox.itemIndex;
    if (!confirmed || chosen < 0 || chosen >= ATuning.size()) return;

    const recTuning selection = ATuning[chosen];
    if (!loader.loadTuningEntry(selection)) {
        messageBoxes().showWarning(noSettingsMessage());
        return;
    }
    curTuningData = selection;
    window.setCaption(tuningCaption(selection));
}

void TDlgTuning::OKBtnClick() {
    confirmed = true;
    close();
}

void TDlgTuning::exitBtnClick() {
    close();
}

bool TDlgTuning::fillList(const recTuning& curTuningData) {
    DataComboBox.items.clear();
    DataComboBox.itemIndex = -1;
    ATuning.clear();
    const DataFolder& folder = loader.dataFolder();
    for (const DataFile& file : folder.files()) {
        const std::optional<XmlDocument> document = folder.read(file);
        if (!document) continue;
        for (const DataEntry& entry : validEntries(document->root())) {
            const recTuning selection{file.name, entry.number};
            ATuning.append(selection);
            DataComboBox.items.append(tuningItemText(selection));
            if (ATuning.size() == 1 || selection == curTuningData)
                DataComboBox.itemIndex = int(ATuning.size() - 1);
        }
    }
    return !ATuning.isEmpty();
}
