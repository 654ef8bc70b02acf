#pragma once

#include "app/control_lists/statement_number_dialog.h"
#include "app/ui/form_window.h"

// "Контроль № ведомости" over TForm2.
class StatementNumberDialogView : public FormWindow {
public:
    StatementNumberDialogView(TForm2& dialog, QWidget* owner);
};
