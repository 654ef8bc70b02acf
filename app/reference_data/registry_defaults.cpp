#include "app/reference_data/registry_defaults.h"

#include "app/formats/input_error.h"
#include "app/formats/text_formats.h"
#include "app/reference_data/tuning_texts.h"

namespace {

const struct {
    const char* valueName;
    QString RegistryDefaults::*field;
} textValues[] = {
    {"BANKNAME", &RegistryDefaults::BankName},  {"CUSFROM", &RegistryDefaults::cusName},
    {"YPINSHIFR", &RegistryDefaults::pinShifr}, {"YPINNAME", &RegistryDefaults::pinName},
    {"KODYPIN", &RegistryDefaults::kodYpin},    {"TIPYBGS", &RegistryDefaults::tipYbgs},
    {"GROUP", &RegistryDefaults::group},        {"TIPYZAY", &RegistryDefaults::tipZay},
    {"ACCDT", &RegistryDefaults::accDtDef},     {"ACCKT", &RegistryDefaults::accKtDef},
    {"BANKBIC", &RegistryDefaults::Bic},        {"CUSINN", &RegistryDefaults::Inn},
    {"CUSKPP", &RegistryDefaults::Kpp},         {"CUSOKATO", &RegistryDefaults::Okato},
};

} // namespace

bool loadRegistryDefaults(const DefaultsStore& store, MessageBoxes& boxes, TuningWindow& window) {
    const std::optional<DefaultValues> key = store.readKey();
    if (!key) {
        boxes.showWarning(noSettingsMessage());
        return false;
    }
    RegistryDefaults defaults;
    for (const auto& value : textValues)
        defaults.*value.field = key->value(QString::fromLatin1(value.valueName));
    try {
        QString skp = key->value(QStringLiteral("SKP"));
        checkSkpText(skp);
        defaults.skpDef = skp;
    } catch (const PVErrInput& error) {
        boxes.showWarning(error.message());
    }
    window.applyRegistryDefaults(defaults);

    if (defaults.kodYpin.isEmpty()) {
        boxes.showWarning(noSettingsMessage());
        return false;
    }
    window.setCaption(plainCaption());
    return true;
}
