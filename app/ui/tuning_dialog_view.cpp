#include "app/ui/tuning_dialog_view.h"

TuningDialogView::TuningDialogView(TDlgTuning& dialog, QWidget* owner)
    : FormWindow(dialog, QSize(262, 123), owner) {
    binder().bindRemaining();
    QWidget* label = binder().widgetOf(dialog.Label1);
    QFont bold = label->font();
    bold.setBold(true);
    bold.setPointSize(10);
    label->setFont(bold);
    setButtonIcon(dialog.OKBtn, QStyle::SP_DialogApplyButton);
    setButtonIcon(dialog.exitBtn, QStyle::SP_DialogCloseButton);
}
