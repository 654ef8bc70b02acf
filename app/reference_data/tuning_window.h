#pragma once

#include "app/reference_data/tuning_records.h"

#include <QString>
#include <optional>

// The default values of the registry fallback, named after the window fields they go to.
struct RegistryDefaults {
    QString BankName; // also BankNameCus
    QString cusName;
    QString pinShifr;
    QString pinName;
    QString kodYpin; // taken as it stands, unchecked
    QString tipYbgs;
    QString group;
    QString tipZay;
    std::optional<QString> skpDef; // nothing when SKP was invalid: skpDef keeps its value
    QString accDtDef;              // also FAccDt
    QString accKtDef;              // also FAccKt and AccCus, with accCusDef emptied
    QString Bic;                   // also BicCus
    QString Inn;
    QString Kpp;
    QString Okato;
    // isLabel becomes true. The symbol lists, the group symbols and the window mode stay.
};

// What loading reference data changes in the statement window.
class TuningWindow {
public:
    virtual ~TuningWindow() = default;

    // Copies an entry into the window's fields and state and sets the window modes.
    virtual void applyTuningData(const recTuningDate& data) = 0;
    virtual void applyRegistryDefaults(const RegistryDefaults& defaults) = 0;
    virtual void setCaption(const QString& caption) = 0;
    // The clear command: empties the statement being entered, keeps the reference data.
    virtual void clearStatement() = 0;
};
