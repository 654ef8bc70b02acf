#pragma once

#include "app/form_kit/control.h"

#include <QStringList>
#include <utility>

// A control that offers a list of items, one of them chosen: a radio group (titled by its label)
// or a drop-down list. itemIndex is -1 when none is chosen.
class ChoiceControl : public Control {
public:
    ChoiceControl(Form& owner, QString name, Kind kind, QStringList items = {})
        : Control(owner, std::move(name), kind), items(std::move(items)) {}

    // The program's own choice, which, as with the desktop toolkit's lists, fires no change:
    // only the cashier's choice does.
    void clear() {
        items.clear();
        itemIndex = -1;
        showQuietly(QString());
    }
    // Selects an item and shows it as the text; an index outside the items selects none.
    void choose(int index) {
        itemIndex = index >= 0 && index < items.size() ? index : -1;
        if (itemIndex >= 0) showQuietly(items[itemIndex]);
    }

    QStringList items;
    int itemIndex = -1;

private:
    void showQuietly(const QString& text) {
        const auto handler = std::exchange(onChange, nullptr);
        setText(text);
        onChange = handler;
    }
};
