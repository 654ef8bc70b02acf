#include "app/ui/string_grid_binding.h"

#include "app/ui/control_bindings.h"
#include "app/ui/form_binder.h"

#include <QHeaderView>

StringGridBinding::StringGridBinding(StringGrid& grid, QTableWidget& table)
    : WidgetBinding(grid, table), grid(grid), table(table) {
    table.setEditTriggers(QAbstractItemView::NoEditTriggers);
    table.setSelectionBehavior(QAbstractItemView::SelectRows);
    table.setSelectionMode(QAbstractItemView::SingleSelection);
    table.verticalHeader()->hide();
    // The columns keep the list's widths; a slightly smaller heading lets the long titles fit.
    QFont heading = table.font();
    heading.setPixelSize(11);
    table.horizontalHeader()->setFont(heading);
}

void StringGridBinding::push() {
    const int columns = int(grid.columnWidths.size());
    if (table.columnCount() != columns) table.setColumnCount(columns);
    QStringList headings;
    for (int column = 0; column < columns; ++column) {
        headings << grid.cell(column, 0);
        if (table.columnWidth(column) != grid.columnWidths[column])
            table.setColumnWidth(column, grid.columnWidths[column]);
    }
    setTableHeadings(table, headings);
    if (table.rowCount() != grid.rowCount() - 1) table.setRowCount(grid.rowCount() - 1);
    for (int row = 1; row < grid.rowCount(); ++row) {
        for (int column = 0; column < columns; ++column)
            setTableCell(table, row - 1, column, grid.cell(column, row));
    }
    if (table.currentRow() != grid.currentRow - 1) table.setCurrentCell(grid.currentRow - 1, 0);
}

void StringGridBinding::connectEvents(FormBinder& binder) {
    QObject::connect(&table, &QTableWidget::currentCellChanged, &table, [this, &binder](int row) {
        if (row >= 0) binder.runEvent([this, row] { grid.selectRow(row + 1); });
    });
}
