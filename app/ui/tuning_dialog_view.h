#pragma once

#include "app/reference_data/tuning_dialog.h"
#include "app/ui/form_window.h"

// "Настройка" over TDlgTuning; the model places its controls itself.
class TuningDialogView : public FormWindow {
public:
    TuningDialogView(TDlgTuning& dialog, QWidget* owner);
};
