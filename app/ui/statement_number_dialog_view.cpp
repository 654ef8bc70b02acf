#include "app/ui/statement_number_dialog_view.h"

#include "app/ui/form_layout.h"

StatementNumberDialogView::StatementNumberDialogView(TForm2& dialog, QWidget* owner)
    : FormWindow(dialog, QSize(330, 190), owner) {
    place(dialog.RadioGroup1, 10, 8, 310, 134);
    place(dialog.BitBtn1, 230, 152, 90, 28);
    binder().bindRemaining();
    setButtonIcon(dialog.BitBtn1, QStyle::SP_DialogOkButton);
}
