#include "app/form_kit/value_list_editor.h"

ValueListEditor::ValueListEditor(Form& owner, QString name, QString keyTitle, QString valueTitle)
    : Control(owner, std::move(name), Kind::ValueList), keyTitle(std::move(keyTitle)),
      valueTitle(std::move(valueTitle)) {
    readOnly = true;
}

QString ValueListEditor::text() const {
    return value(currentRow);
}

void ValueListEditor::setText(const QString& text) {
    if (text == value(currentRow)) return;
    setValue(currentRow, text);
    if (onChange) onChange(*this);
}

ValueListEditor::Entry* ValueListEditor::entryAt(int row) {
    if (row >= 1 && row <= entryCount()) return &entries[row - 1];
    if (row == 1 && entries.isEmpty()) {
        entries.append(Entry{});
        return &entries.front();
    }
    return nullptr;
}

QString ValueListEditor::key(int row) const {
    return row >= 1 && row <= entryCount() ? entries[row - 1].key : QString();
}

QString ValueListEditor::value(int row) const {
    return row >= 1 && row <= entryCount() ? entries[row - 1].value : QString();
}

void ValueListEditor::setKey(int row, const QString& key) {
    if (Entry* entry = entryAt(row)) entry->key = key;
}

void ValueListEditor::setValue(int row, const QString& value) {
    if (Entry* entry = entryAt(row)) entry->value = value;
}

int ValueListEditor::appendRow(const QString& key, const QString& value) {
    entries.append(Entry{key, value});
    return entryCount();
}

void ValueListEditor::deleteRow(int row) {
    if (row < 1 || row > entryCount()) return;
    entries.remove(row - 1);
    currentRow = std::clamp(currentRow, 1, rowCount());
}
