#include "app/control_lists/statement_number_fields.h"

namespace {

const QString numberLabel = QStringLiteral("Ведомость №");

// The narrow field beside the prefix, its label pushed right above it.
void placeBesidePrefix(Control& name) {
    name.left = 529;
    name.width = 43;
    name.readOnly = false;
    name.tabStop = true;
}

void showPrefix(const StatementNumberFields& fields) {
    fields.NVedPrefix.visible = true;
    fields.NVedPrefix.setText(fields.pinShifr.text());
}

} // namespace

void layOutStatementNumber(int mode, const StatementNumberFields& fields) {
    Control& name = fields.NVedName;
    if (mode == 0) {
        placeBesidePrefix(name);
        name.maxLength = 3;
        name.label = numberLabel + QString(22, u' ');
        name.colour = clLime;
        showPrefix(fields);
        return;
    }
    const bool typed = mode != 1 && mode != 3;
    name.readOnly = !typed;
    name.tabStop = typed;
    name.colour = typed ? clLime : clBtnFace;
    name.maxLength = 20;
    name.left = 438;
    name.width = 135;
    name.label = numberLabel;
    fields.NVedPrefix.visible = false;
    fields.NVedPrefix.setText(QString());
}

void keepStatementNumberCurrent(int mode, const StatementNumberFields& fields) {
    switch (mode) {
    case 0:
        showPrefix(fields);
        placeBesidePrefix(fields.NVedName);
        break;
    case 1:
        fields.NVedName.setText(fields.FNBag.text());
        break;
    case 3:
        fields.NVedName.setText(QString());
        break;
    default:
        break;
    }
}
