#include "app/ui/seal_dialog_view.h"

#include "app/ui/form_layout.h"

SealDialogView::SealDialogView(TForm3& dialog, QWidget* owner)
    : FormWindow(dialog, QSize(300, 318), owner) {
    place(dialog.CheckBox1, 12, 10, 276, 22);
    place(dialog.ValueListEditor1, 12, 38, 276, 200);
    place(dialog.Button1, 12, 246, 100, 27);
    place(dialog.Button2, 116, 246, 88, 27);
    place(dialog.Button3, 208, 246, 80, 27);
    place(dialog.exitBtn, 248, 281, 40, 29);
    binder().bindRemaining();
    setButtonIcon(dialog.exitBtn, QStyle::SP_DialogCloseButton);
}
