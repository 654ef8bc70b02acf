#include "app/bag_control/string_grid.h"

#include <algorithm>

StringGrid::StringGrid(Form& owner, QString name, int columnCount)
    : Control(owner, std::move(name), Kind::ValueList), columns(columnCount) {
    setRowCount(1);
}

void StringGrid::setRowCount(int count) {
    count = std::max(1, count);
    rows.resize(count);
    for (Row& row : rows) row.cells.resize(columns);
}

QString StringGrid::cell(int column, int row) const {
    if (!isRow(row) || column < 0 || column >= columns) return {};
    return rows[row].cells[column];
}

void StringGrid::setCell(int column, int row, const QString& text) {
    if (!isRow(row) || column < 0 || column >= columns) return;
    rows[row].cells[column] = text;
}

std::optional<QString> StringGrid::rowTag(int row) const {
    return isRow(row) ? rows[row].tag : std::nullopt;
}

void StringGrid::setRowTag(int row, std::optional<QString> tag) {
    if (isRow(row)) rows[row].tag = std::move(tag);
}

void StringGrid::deleteRow(int row) {
    if (row < 1 || !isRow(row)) return;
    rows.removeAt(row);
    currentRow = std::clamp(currentRow, 1, std::max(1, rowCount() - 1));
}

void StringGrid::selectRow(int row) {
    if (row < 1 || !isRow(row)) return;
    currentRow = row;
    if (const auto handler = onSelectCell) handler(row);
}
