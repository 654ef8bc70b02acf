#include "app/main_window/statement_window.h"

void TForm1::clearBtnClick() {
    for (int i = 0; i < denominationRows; ++i) {
        NCount[i]->setText(QString());
        NSum[i]->setText(QString());
    }
    for (int j = 0; j < symbolRows; ++j) {
        for (Control* field : {SSkp[j], SSum[j], ZSkp[j]}) {
            field->setText(QString());
            field->hint.clear();
        }
    }
    const QString zero = QStringLiteral("0.00");
    for (AccountGroup& g : accountGroups()) {
        g.total.setText(zero);
        g.declared.setText(zero);
        g.declared.hint.clear();
        g.declared.fontColour = clWindowText;
        // Without the colon of the start-up caption.
        g.sumCaption.setText(QStringLiteral("Сумма"));
        g.sumCaption.fontColour = clWindowText;
    }
    sumPV.setText(zero);
    sumPV.colour = clBtnFace;
    sumPV.hint.clear();

    FDateCreate.setText(todayText());
    FNBag.setText(QString());
    FPlomba.setText(QString());
    FAccDt.setText(accDtDef);
    FAccKt.setText(accKtDef);
    if (accCusDef.isEmpty()) AccCus.setText(FAccKt.text());
    FFIO.setText(QString());
    focus(FNBag);
}
