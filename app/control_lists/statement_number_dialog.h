#pragma once

#include "app/control_lists/settings_file.h"
#include "app/control_lists/statement_number_fields.h"
#include "app/form_kit/choice_control.h"
#include "app/form_kit/form.h"

// "Контроль № ведомости": chooses how the statement number is formed, stores the mode in the
// settings file and lays out the main window's number field for it.
class TForm2 : public Form {
public:
    TForm2(MessageBoxes& boxes, QString settingsPath, ListSettings& settings, Form& mainWindow,
           StatementNumberFields fields);

    ChoiceControl& RadioGroup1 =
        make<ChoiceControl>("RadioGroup1", Control::Kind::RadioGroup,
                            QStringList{QStringLiteral("Соответствует шифру пункта инкассации"),
                                        QStringLiteral("Соответствует номеру сумки"),
                                        QStringLiteral("Доступен для редактирования"),
                                        QStringLiteral("Пустой (не доступен для редактирования)")});
    Control& BitBtn1 = make("BitBtn1", Control::Kind::Button);

    void GetNVedCast();
    // Applies and stores the selection. Closing does the same, so OK and the close box end
    // alike; after OK the second run finds nothing changed and asks nothing.
    void OkBtnClick();
    bool FormCloseQuery();

private:
    void applySelection();

    QString settingsPath;
    ListSettings& settings;
    Form& mainWindow;
    StatementNumberFields fields;
};
