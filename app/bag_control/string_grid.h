#pragma once

#include "app/form_kit/control.h"

#include <QList>
#include <QStringList>
#include <functional>
#include <optional>

// A grid of text cells whose row 0 holds the headings. Each row also carries a text of its own
// that the grid does not show and that moves with the row when rows are deleted.
// The form kit has no grid kind yet; a grid is a list of rows, as a value list is.
class StringGrid : public Control {
public:
    StringGrid(Form& owner, QString name, int columnCount);

    int rowCount() const { return int(rows.size()); }
    // New rows are empty; the heading row always stays.
    void setRowCount(int count);
    // Cells outside the grid read as empty and ignore writes.
    QString cell(int column, int row) const;
    void setCell(int column, int row, const QString& text);
    std::optional<QString> rowTag(int row) const;
    void setRowTag(int row, std::optional<QString> tag);
    // The rows below move up; the heading row is never deleted.
    void deleteRow(int row);
    // As the cashier's click on a row: it becomes the current row and onSelectCell runs.
    void selectRow(int row);

    int currentRow = 1;
    QList<int> columnWidths;
    std::function<void(int row)> onSelectCell;

private:
    struct Row {
        QStringList cells;
        std::optional<QString> tag;
    };

    bool isRow(int row) const { return row >= 0 && row < rows.size(); }

    int columns;
    QList<Row> rows;
};
