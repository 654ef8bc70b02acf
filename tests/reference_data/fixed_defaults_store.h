#pragma once

#include "app/platform/defaults_store.h"

// A defaults store with fixed contents; nothing stands for a missing key.
class FixedDefaultsStore : public DefaultsStore {
public:
    explicit FixedDefaultsStore(std::optional<DefaultValues> key = std::nullopt)
        : key(std::move(key)) {}

    std::optional<DefaultValues> readKey() const override { return key; }

private:
    std::optional<DefaultValues> key;
};
