#include "app/printing/statement_window_source.h"

QString StatementWindowSource::declaredAmount(int group) const {
    const Control* declared[3] = {&form.SumV, &form.SumBPA, &form.SumPA};
    return declared[group]->text();
}

QString StatementWindowSource::symbolTotal(int group) const {
    const Control* totals[3] = {&form.Label15, &form.Label16, &form.Label17};
    return totals[group]->text();
}

QString StatementWindowSource::getBarcodeText() {
    QString text;
    form.getBarcodeText(text);
    return text;
}

void StatementWindowSource::splitDenominations() {
    form.init_aNBreakdown();
    form.init_avRest();
    if (!singleSymbolMode()) form.PVBreakdown(false);
}

ReportStatement StatementWindowSource::reportStatement() const {
    ReportStatement s;
    s.singleSymbolMode = singleSymbolMode();
    s.sumPV = form.sumPV.text();
    s.SumV = form.SumV.text();
    s.SumBPA = form.SumBPA.text();
    s.SumPA = form.SumPA.text();
    s.Label15 = form.Label15.text();
    s.Label16 = form.Label16.text();
    s.Label17 = form.Label17.text();
    s.FNBag = form.FNBag.text();
    s.NVedPrefix = form.NVedPrefix.text();
    s.NVedName = form.NVedName.text();
    s.FPlomba = form.FPlomba.text();
    s.pinShifr = form.pinShifr.text();
    s.pinName = form.pinName.text();
    s.FDateCreate = form.FDateCreate.text();
    s.FAccDt = form.FAccDt.text();
    s.FAccKt = form.FAccKt.text();
    s.AccCus = form.AccCus.text();
    s.AccCusBPA = form.AccCusBPA.text();
    s.AccCusPA = form.AccCusPA.text();
    s.cusName = form.cusName.text();
    s.Inn = form.Inn.text();
    s.Kpp = form.Kpp.text();
    s.Okato = form.Okato.text();
    s.BankName = form.BankName.text();
    s.Bic = form.Bic.text();
    s.BankNameCus = form.BankNameCus.text();
    s.BicCus = form.BicCus.text();
    s.FFIO = form.FFIO.text();
    for (int j = 0; j < ReportStatement::symbolRows; ++j)
        s.symbols[j] = {form.SSkp[j]->text(), form.ZSkp[j]->text(), form.SSum[j]->text()};
    for (int i = 0; i < ReportStatement::denominationRows; ++i)
        s.denominations[i] = {form.NNominal[i]->text(), form.NCount[i]->text(),
                              form.NType[i]->text(), form.NSum[i]->text()};
    s.aNBreakDown = form.aNBreakDown;
    form.getSourceInput(s.sourceInput);
    for (int group = 0; group < 3; ++group)
        form.getSourceInputPv(group + 1, s.sourceInputPv[group]);
    return s;
}
