#pragma once

#include "app/form_kit/control.h"

#include <QStringList>

// A control that offers a list of items, one of them chosen: a radio group (titled by its label)
// or a drop-down list. itemIndex is -1 when none is chosen.
class ChoiceControl : public Control {
public:
    ChoiceControl(Form& owner, QString name, Kind kind, QStringList items = {})
        : Control(owner, std::move(name), kind), items(std::move(items)) {}

    QStringList items;
    int itemIndex = -1;
};
