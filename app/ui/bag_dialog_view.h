#pragma once

#include "app/bag_control/bag_control_dialog.h"
#include "app/ui/form_window.h"

// "Контроль сумок" over TForm4: the bag list above, the footer of 40 one-character cells below.
class BagDialogView : public FormWindow {
public:
    BagDialogView(TForm4& dialog, QWidget* owner);

private:
    void layOutFooter();
    // The model asks for the pointer on a control with its hint shown (the save button, when
    // an entry is ready to be saved).
    void pointAtControl();

    TForm4& dialog;
};
