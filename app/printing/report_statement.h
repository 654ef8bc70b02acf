#pragma once

#include <QString>
#include <QtGlobal>
#include <array>

// What the printed forms read of the statement window: the texts of its fields as shown, the
// mode, the denomination split and the source-of-receipt texts.
struct ReportStatement {
    static constexpr int denominationRows = 15;
    static constexpr int symbolRows = 9;

    struct SymbolRow {
        QString SSkp, ZSkp, SSum;
    };
    struct DenominationRow {
        QString NNominal, NCount, NType, NSum;
    };

    // skpDef is set.
    bool singleSymbolMode = false;

    QString sumPV, SumV, SumBPA, SumPA;
    // The account groups' totals by cash-plan symbol.
    QString Label15, Label16, Label17;
    QString FNBag, NVedPrefix, NVedName, FPlomba, pinShifr, pinName, FDateCreate, FAccDt, FAccKt,
        AccCus, AccCusBPA, AccCusPA, cusName, Inn, Kpp, Okato, BankName, Bic, BankNameCus, BicCus,
        FFIO;

    std::array<SymbolRow, symbolRows> symbols;
    std::array<DenominationRow, denominationRows> denominations;
    // Pieces of each denomination assigned to the groups revenue, БПА and ПА.
    std::array<std::array<qint64, denominationRows>, 3> aNBreakDown{};

    // getSourceInput of all rows, and getSourceInputPv of groups 1 to 3, each from an empty text.
    QString sourceInput;
    std::array<QString, 3> sourceInputPv;
};
