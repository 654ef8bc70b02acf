#pragma once

#include "app/form_kit/choice_control.h"
#include "app/form_kit/form.h"
#include "app/reference_data/tuning_loader.h"

#include <QList>

// "Настройка": the cashier chooses which reference data entry the statement window uses. Made
// once with the main window and reused; the list is built afresh each time it opens.
class TDlgTuning : public Form {
public:
    TDlgTuning(MessageBoxes& boxes, TuningLoader loader, TuningWindow& window);

    Control& Label1 = make("Label1", Control::Kind::Label);
    ChoiceControl& DataComboBox = make<ChoiceControl>("DataComboBox", Control::Kind::ComboBox);
    Control& OKBtn = make("OKBtn", Control::Kind::Button);
    Control& exitBtn = make("exitBtn", Control::Kind::Button);

    // The selections offered, index-aligned with the items of DataComboBox.
    QList<recTuning> ATuning;

    // The main window's command Файл → "Настройка": lists every valid entry with the one in use
    // preselected, shows the dialog and loads the entry chosen with OK, which clears the
    // statement. curTuningData and the caption change only when that load succeeds.
    void chooseTuning(recTuning& curTuningData);
    void OKBtnClick();
    void exitBtnClick();

private:
    // False when no data file holds a valid entry.
    bool fillList(const recTuning& curTuningData);

    TuningLoader loader;
    TuningWindow& window;
    bool confirmed = false;
};
