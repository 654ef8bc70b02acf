#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

// One admitted cash-plan symbol.
struct TSkp {
    qint32 Num = 0;
    QString Name;

    bool operator==(const TSkp&) const = default;
};

// One admitted cash-plan symbol of an account group; Sign is read by the symbol checks.
struct TSkpN {
    qint32 Num = 0;
    QString Name;
    QString Sign;

    bool operator==(const TSkpN&) const = default;
};

// One reference data entry as read from a data file.
struct recTuningDate {
    qint32 kodYpin = 0;
    QString bankName;
    QString cusName;
    QString pinName;
    QString pinShifr;
    QString tipYbgs;
    QString group;
    QString tipZay;
    QString accDtDef;
    QString accKtDef;
    QString BIC;
    QString INN;
    QString Kpp;
    QString Okato;
    QString skpDef;
    QString skpDef1;
    QString skpDef2;
    QString skpDef3;
    QString skpDef2Z;
    QString skpDef3Z;
    QString BICCus;
    QString BankNameCus;
    QString accCusDef;
    QString accCusBPADef;
    QString accCusPADef;
    QList<TSkp> ASkp;
    QList<TSkpN> ASkp1;
    QList<TSkpN> ASkp2;
    QList<TSkpN> ASkp3;
    QString SIGN; // no data file fills it
    QString ISYPSK;
    bool isLabel = false;
    QString kodBsdg;
    QString numSubDog;
    QString datBeg;
    QString subKlassName;

    bool operator==(const recTuningDate&) const = default;
};

// Which entry is in use: the data file's name without extension and the entry's number in it,
// counted from 1 over the valid entries only.
struct recTuning {
    QString fileTuning;
    qint32 iterator = 0;

    bool operator==(const recTuning&) const = default;
};
