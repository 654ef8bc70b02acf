#pragma once

#include "app/control_lists/seal_control_dialog.h"
#include "app/ui/form_window.h"

// "Контроль пломб" over TForm3.
class SealDialogView : public FormWindow {
public:
    SealDialogView(TForm3& dialog, QWidget* owner);
};
