#pragma once

#include "app/control_lists/settings_file.h"
#include "app/form_kit/form.h"
#include "app/form_kit/value_list_editor.h"

// "Контроль пломб": switches the seal check and edits the list of admitted seals, which it
// saves to the settings file when it closes.
class TForm3 : public Form {
public:
    TForm3(MessageBoxes& boxes, QString settingsPath, ListSettings& settings, Form& mainWindow,
           Control& FPlomba);

    Control& CheckBox1 = make("CheckBox1", Control::Kind::CheckBox);
    ValueListEditor& ValueListEditor1 = make<ValueListEditor>("ValueListEditor1", "№", "Пломба");
    Control& Button1 = make("Button1", Control::Kind::Button);
    Control& Button2 = make("Button2", Control::Kind::Button);
    Control& Button3 = make("Button3", Control::Kind::Button);
    Control& exitBtn = make("exitBtn", Control::Kind::Button);

    // The row "Удалить" would delete is already gone: leaving the list for that button removed
    // it because its seal was empty.
    bool ValueListEditor1_IsDelRow = false;

    void GetPlombValue();
    void ForOnClickEdit();
    void ForOnClickAdd();
    void DelPlomb();
    void ForOnExitEdit(Control* gaining);
    void ForOnEnterPressEdit(KeyPress& key);
    void exitBtnClick();
    bool FormCloseQuery();

private:
    void saveSettings();
    void startEditing();

    QString settingsPath;
    ListSettings& settings;
    Form& mainWindow;
    Control& FPlomba;
};
