#include "app/main_window/statement_window.h"

std::array<TForm1::AccountGroup, 3> TForm1::accountGroups() {
    return {{{groupCaption1, SumV, Label9, Label15, groupFrame1, skpDef1, 0},
             {groupCaption2, SumBPA, Label13, Label16, groupFrame2, skpDef2, 3},
             {groupCaption3, SumPA, Label14, Label17, groupFrame3, skpDef3, 6}}};
}

namespace {

void setOpen(Control& field, bool open) {
    field.enabled = open;
    field.colour = open ? clLime : clInactiveCaption;
}

} // namespace

void TForm1::setWindowModes() {
    const bool singleSymbol = !skpDef.isEmpty();
    for (AccountGroup& g : accountGroups()) {
        for (Control* control : {&g.caption, &g.declared, &g.sumCaption, &g.total, &g.frame}) {
            control->visible = !singleSymbol;
        }
        const bool open = singleSymbol || !g.skpDefault.isEmpty();
        for (int row = g.firstRow; row < g.firstRow + 3; ++row) {
            setOpen(*SSkp[row], open);
            setOpen(*SSum[row], open);
            setOpen(*ZSkp[row], open && !singleSymbol);
        }
        if (!singleSymbol) setOpen(g.declared, open);
    }
}

void TForm1::applyTuningData(const recTuningDate& data) {
    kodYpin = QString::number(data.kodYpin);
    BankName.setText(data.bankName);
    cusName.setText(data.cusName);
    pinShifr.setText(data.pinShifr);
    pinName.setText(data.pinName);
    tipYbgs = data.tipYbgs;
    group = data.group;
    tipZay = data.tipZay;
    accDtDef = data.accDtDef;
    FAccDt.setText(accDtDef);
    accKtDef = data.accKtDef;
    FAccKt.setText(accKtDef);
    Bic.setText(data.BIC);
    Inn.setText(data.INN);
    Kpp.setText(data.Kpp);
    Okato.setText(data.Okato);
    skpDef = data.skpDef;
    skpDef2Z = data.skpDef2Z;
    SkpDef3Z = data.skpDef3Z;
    skpDef1 = data.skpDef1;
    skpDef2 = data.skpDef2;
    skpDef3 = data.skpDef3;
    setWindowModes();
    BankNameCus.setText(data.BankNameCus);
    BicCus.setText(data.BICCus);
    accCusDef = data.accCusDef;
    AccCusBPADef = data.accCusBPADef;
    AccCusPADef = data.accCusPADef;
    AccCus.setText(accCusDef);
    AccCusBPA.setText(AccCusBPADef);
    AccCusPA.setText(AccCusPADef);
    kodBsdg = data.kodBsdg;
    numSubDog = data.numSubDog;
    datBeg = data.datBeg;
    subKlassName = data.subKlassName;
    isLabel = data.isLabel;
    AllowASkp = data.ASkp;
    AllowASkp1 = data.ASkp1;
    AllowASkp2 = data.ASkp2;
    AllowASkp3 = data.ASkp3;
    AllowASkp123 = data.ASkp1 + data.ASkp2 + data.ASkp3;
    ISYPSK = data.ISYPSK;
}

void TForm1::applyRegistryDefaults(const RegistryDefaults& defaults) {
    BankName.setText(defaults.BankName);
    BankNameCus.setText(defaults.BankName);
    cusName.setText(defaults.cusName);
    pinShifr.setText(defaults.pinShifr);
    pinName.setText(defaults.pinName);
    kodYpin = defaults.kodYpin;
    tipYbgs = defaults.tipYbgs;
    group = defaults.group;
    tipZay = defaults.tipZay;
    if (defaults.skpDef) skpDef = *defaults.skpDef;
    accDtDef = defaults.accDtDef;
    FAccDt.setText(accDtDef);
    accKtDef = defaults.accKtDef;
    FAccKt.setText(accKtDef);
    AccCus.setText(FAccKt.text());
    accCusDef.clear();
    Bic.setText(defaults.Bic);
    BicCus.setText(defaults.Bic);
    Inn.setText(defaults.Inn);
    Kpp.setText(defaults.Kpp);
    Okato.setText(defaults.Okato);
    isLabel = true;
}
