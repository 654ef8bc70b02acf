#pragma once

#include <QHash>
#include <QString>
#include <memory>
#include <optional>

// The values of the key that holds default reference data. Value names are upper case, since
// the registry finds them without regard to letter case.
using DefaultValues = QHash<QString, QString>;

// Read-only store of the default reference data that the bank's installer leaves on the
// workstation (a registry key on Windows). The program never creates or writes it.
class DefaultsStore {
public:
    virtual ~DefaultsStore() = default;

    // Nothing when the key does not exist; a value the key lacks reads as the empty text.
    virtual std::optional<DefaultValues> readKey() const = 0;
};

// The store of this system.
std::unique_ptr<DefaultsStore> systemDefaultsStore();
