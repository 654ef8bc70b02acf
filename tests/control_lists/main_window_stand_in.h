#pragma once

#include "app/form_kit/form.h"

// The main window's fields that the control dialogs reach.
class MainWindowStandIn : public Form {
public:
    explicit MainWindowStandIn(MessageBoxes& boxes) : Form(boxes, "main") {
        setTabOrder({&FNBag, &NVedName, &FPlomba});
    }

    Control& FNBag = make("FNBag", Control::Kind::Edit);
    Control& NVedPrefix = make("NVedPrefix", Control::Kind::Edit);
    Control& NVedName = make("NVedName", Control::Kind::Edit);
    Control& FPlomba = make("FPlomba", Control::Kind::Edit);
    Control& pinShifr = make("pinShifr", Control::Kind::Edit);
};
