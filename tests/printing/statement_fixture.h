#pragma once

#include "app/formats/text_formats.h"
#include "app/main_window/nominal_table.h"
#include "app/printing/report_statement.h"

// A statement in account mode: 1,200.00 of revenue under symbol 02 and 300.00 of БПА payments
// under symbol 16 with secondary symbol 5, paid as fifteen 100-rouble notes; no bag number.
inline ReportStatement filledStatement() {
    ReportStatement s;
    s.sumPV = "1,500.00";
    s.SumV = "1,200.00";
    s.SumBPA = "300.00";
    s.SumPA = "0.00";
    s.Label15 = "1,200.00";
    s.Label16 = "300.00";
    s.Label17 = "0.00";
    s.NVedPrefix = "0457";
    s.NVedName = "12";
    s.FPlomba = "555";
    s.pinShifr = "0457";
    s.pinName = "Пункт инкассации";
    s.FDateCreate = "05.03.2016";
    s.FAccDt = "20202810000000000001";
    s.FAccKt = "40702810000000000002";
    s.AccCus = "40702810000000000002";
    s.AccCusBPA = "40702810000000000003";
    s.AccCusPA = "40702810000000000004";
    s.cusName = "ООО Пример";
    s.Inn = "7700000000";
    s.BankName = "Банк вносителя";
    s.Bic = "044525000";
    s.BankNameCus = "Банк получателя";
    s.BicCus = "044525001";
    s.FFIO = "Иванов Иван Иванович";
    s.symbols[0] = {"02", "", "1,200.00"};
    s.symbols[4] = {"16", "5", "300.00"};
    for (int i = 0; i < ReportStatement::denominationRows; ++i) {
        s.denominations[i].NNominal = nominalText(NominalTable[i].Value);
        s.denominations[i].NType = nominalUnit(NominalTable[i].IsCoin);
    }
    s.denominations[3].NCount = "15";
    s.denominations[3].NSum = "1,500.00";
    s.aNBreakDown[0][3] = 12;
    s.aNBreakDown[1][3] = 3;
    s.sourceInput = " 02-1,200.00; 16-300.00;";
    s.sourceInputPv = {" Выручка-1,200-00", " Платежи-300-00", ""};
    return s;
}
