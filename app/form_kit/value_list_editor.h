#pragma once

#include "app/form_kit/control.h"

#include <QList>
#include <QString>
#include <algorithm>

// A two-column list of key and value rows under a title row. Rows count from 1; a list without
// entries still shows one blank row, whose key and value read as empty. The text of the control
// is the value of the current row, which is what typing changes; editing is on while the list
// is not read-only.
class ValueListEditor : public Control {
public:
    ValueListEditor(Form& owner, QString name, QString keyTitle, QString valueTitle);

    QString text() const override;
    void setText(const QString& text) override;

    // Entries, not counting the title row or the blank row of an empty list.
    int entryCount() const { return int(entries.size()); }
    // Rows shown below the title row: the entries, or the one blank row.
    int rowCount() const { return std::max(1, entryCount()); }
    QString key(int row) const;
    QString value(int row) const;
    // Setting a cell of the blank row makes it an entry.
    void setKey(int row, const QString& key);
    void setValue(int row, const QString& value);
    // Returns the new row.
    int appendRow(const QString& key, const QString& value);
    // Rows outside the entries are left alone; the current row stays within the rows shown.
    void deleteRow(int row);

    QString keyTitle;
    QString valueTitle;
    int currentRow = 1;

private:
    struct Entry {
        QString key;
        QString value;
    };

    Entry* entryAt(int row);

    QList<Entry> entries;
};
