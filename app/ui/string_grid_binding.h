#pragma once

#include "app/bag_control/string_grid.h"
#include "app/ui/widget_binding.h"

#include <QTableWidget>

// A grid whose row 0 holds the headings: they become the table's header, the other rows its
// rows. Choosing a row is the grid's select-cell event.
class StringGridBinding : public WidgetBinding {
public:
    StringGridBinding(StringGrid& grid, QTableWidget& table);
    void push() override;
    void connectEvents(FormBinder& binder) override;

private:
    StringGrid& grid;
    QTableWidget& table;
};
