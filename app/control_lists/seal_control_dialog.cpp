#include "app/control_lists/seal_control_dialog.h"

TForm3::TForm3(MessageBoxes& boxes, QString settingsPath, ListSettings& settings, Form& mainWindow,
               Control& FPlomba)
    : Form(boxes, QStringLiteral("Контроль пломб")), settingsPath(std::move(settingsPath)),
      settings(settings), mainWindow(mainWindow), FPlomba(FPlomba) {
    CheckBox1.setText(QStringLiteral("Контроль пломб"));
    Button1.setText(QStringLiteral("Редактировать"));
    Button2.setText(QStringLiteral("Добавить"));
    Button3.setText(QStringLiteral("Удалить"));
    exitBtn.hint = QStringLiteral("Выход");
    exitBtn.showHint = true;
    setTabOrder({&CheckBox1, &ValueListEditor1, &Button1, &Button2, &Button3, &exitBtn});

    Button1.onClick = [this](Control&) { ForOnClickEdit(); };
    Button2.onClick = [this](Control&) { ForOnClickAdd(); };
    Button3.onClick = [this](Control&) { DelPlomb(); };
    exitBtn.onClick = [this](Control&) { exitBtnClick(); };
    ValueListEditor1.onExit = [this](Control&, Control* gaining) { ForOnExitEdit(gaining); };
    ValueListEditor1.onKeyPress = [this](Control&, KeyPress& key) { ForOnEnterPressEdit(key); };
    onCloseQuery = [this] { return FormCloseQuery(); };
}

void TForm3::GetPlombValue() {
    if (settings.IsControlPlombs) CheckBox1.checked = true;
    ValueListEditor1_IsDelRow = false;
    // Later openings show the rows as the dialog left them.
    if (!settings.isFirstTime || !settings.IsValuesPlombs) return;
    for (const QString& line : settings.PlombsValues) {
        ValueListEditor1.appendRow(line.section(u'=', 0, 0), line.section(u'=', 1));
    }
}

void TForm3::startEditing() {
    ValueListEditor1.readOnly = false;
    focus(ValueListEditor1);
}

void TForm3::ForOnClickEdit() {
    if (ValueListEditor1.entryCount() == 0) ValueListEditor1.setKey(1, QStringLiteral("1"));
    startEditing();
}

void TForm3::ForOnClickAdd() {
    const int count = ValueListEditor1.entryCount();
    ValueListEditor1.currentRow = ValueListEditor1.appendRow(QString::number(count + 1), {});
    ValueListEditor1.selStart = 0;
    ValueListEditor1.selLength = 0;
    startEditing();
}

void TForm3::ForOnExitEdit(Control* gaining) {
    const int row = ValueListEditor1.currentRow;
    if (ValueListEditor1.value(row).isEmpty()) {
        ValueListEditor1.deleteRow(row);
        // Only "Удалить" must skip its own deletion; a flag left standing would make a later
        // click on it do nothing.
        ValueListEditor1_IsDelRow = gaining == &Button3;
    }
    ValueListEditor1.readOnly = true;
}

void TForm3::ForOnEnterPressEdit(KeyPress& key) {
    if (key.code != KeyPress::Enter) return;
    key.handled = true;
    focus(Button1);
}

void TForm3::DelPlomb() {
    const int row = ValueListEditor1.currentRow;
    if (!ValueListEditor1_IsDelRow && !ValueListEditor1.key(row).isEmpty()) {
        ValueListEditor1.deleteRow(row);
    }
    ValueListEditor1_IsDelRow = false;
    settings.IsValuesPlombs = !ValueListEditor1.key(1).isEmpty();
    if (settings.IsValuesPlombs) {
        for (int r = row; r <= ValueListEditor1.entryCount(); ++r) {
            ValueListEditor1.setKey(r, QString::number(r));
        }
    }
    ValueListEditor1.readOnly = true;
}

void TForm3::exitBtnClick() {
    close();
}

bool TForm3::FormCloseQuery() {
    focus(exitBtn);
    saveSettings();
    mainWindow.focus(FPlomba);
    return true;
}

void TForm3::saveSettings() {
    IniFile file(settingsPath);
    bool saved = true;
    if (CheckBox1.checked != settings.IsControlPlombs) {
        settings.IsControlPlombs = CheckBox1.checked;
        saved = file.writeBool(tune::controlPlombs, tune::isControlPlombs, CheckBox1.checked);
    }
    // The whole section is written anew, so a seal emptied in the list cannot stay behind in the
    // file under its old key.
    QList<IniFile::Entry> seals;
    if (!ValueListEditor1.key(1).isEmpty()) {
        for (int row = 1; row <= ValueListEditor1.entryCount(); ++row) {
            const QString seal = ValueListEditor1.value(row);
            if (seal.isEmpty()) continue;
            const QString key = QString::number(seals.size() + 1);
            seals.append({key, seal});
            ValueListEditor1.setKey(int(seals.size()), key);
        }
    }
    saved = file.replaceSection(tune::valuesPlombs, seals) && saved;
    if (!saved) reportSettingsNotSaved(messageBoxes(), file);
    settings.PlombsValues = file.sectionLines(tune::valuesPlombs);
    settings.IsValuesPlombs = !settings.PlombsValues.isEmpty();
}
