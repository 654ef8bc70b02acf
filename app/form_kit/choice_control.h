#pragma once

#include "app/form_kit/control.h"

#include <QStringList>

// A control that offers a list of items, one of them chosen: a radio group (titled by its label)
// or a drop-down list. itemIndex is -1 when none is chosen.
class ChoiceControl : public Control {
public:
    ChoiceControl(Form& owner, QString name, Kind kind, QStringList items = {})
        : Control(owner, std::move(name), kind), items(std::move(items)) {}

    void clear() {
        items.clear();
        itemIndex = -1;
        setText(QString());
    }
    // Selects an item and shows it as the text; an index outside the items selects none.
    void choose(int index) {
        itemIndex = index >= 0 && index < items.size() ? index : -1;
        if (itemIndex >= 0) setText(items[itemIndex]);
    }

    QStringList items;
    int itemIndex = -1;
};
