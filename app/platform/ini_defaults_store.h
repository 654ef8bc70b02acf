#pragma once

#include "app/platform/defaults_store.h"

// On Linux the registry key is an INI file readable by all and written only by the
// administrator: the section [DefaultSettings] holds the key's value names (BANKNAME=...,
// KODYPIN=...). A missing file or section is a missing key.
class IniDefaultsStore : public DefaultsStore {
public:
    static constexpr auto systemPath = "/etc/korvane/default_settings.ini";
    static constexpr auto section = "DefaultSettings";

    explicit IniDefaultsStore(QString path = QString::fromLatin1(systemPath));

    std::optional<DefaultValues> readKey() const override;

private:
    QString path;
};
