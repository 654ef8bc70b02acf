#include "app/control_lists/statement_number_dialog.h"

TForm2::TForm2(MessageBoxes& boxes, QString settingsPath, ListSettings& settings, Form& mainWindow,
               StatementNumberFields fields)
    : Form(boxes, QStringLiteral("Контроль № ведомости")), settingsPath(std::move(settingsPath)),
      settings(settings), mainWindow(mainWindow), fields(fields) {
    RadioGroup1.label = QStringLiteral("№ ведомости");
    BitBtn1.setText(QStringLiteral("OK"));
    setTabOrder({&RadioGroup1, &BitBtn1});
    BitBtn1.onClick = [this](Control&) { OkBtnClick(); };
    onCloseQuery = [this] { return FormCloseQuery(); };
}

void TForm2::GetNVedCast() {
    const int mode = settings.NVedCastValue;
    RadioGroup1.itemIndex = mode >= 0 && mode < RadioGroup1.items.size() ? mode : -1;
}

void TForm2::OkBtnClick() {
    applySelection();
    close();
}

bool TForm2::FormCloseQuery() {
    if (RadioGroup1.itemIndex != settings.NVedCastValue) {
        const MsgButton answer = messageBoxes().showMessageBox(
            QStringLiteral("Информация"), QStringLiteral("Сохранить изменения?"),
            {MsgButton::No, MsgButton::OK});
        if (answer == MsgButton::No) GetNVedCast();
    }
    focus(BitBtn1);
    OkBtnClick();
    return true;
}

void TForm2::applySelection() {
    const int mode = RadioGroup1.itemIndex;
    IniFile file(settingsPath);
    if (!file.writeInteger(tune::nVedCast, tune::nVedCastValue, mode)) {
        reportSettingsNotSaved(messageBoxes(), file);
    }
    settings.NVedCastValue = mode;
    if (mode != -1) fields.NVedName.visible = true;

    layOutStatementNumber(mode, fields);
    if (mode == 1) fields.NVedName.setText(fields.FNBag.text());
    if (mode == 0 || mode == 3) fields.NVedName.setText(QString());
    if (mode == 0 || mode == 2) {
        fields.NVedName.colour = clYellow;
        mainWindow.focus(fields.NVedName);
    }
}
