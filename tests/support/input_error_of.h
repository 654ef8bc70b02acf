#pragma once

#include "app/formats/input_error.h"

#include <QString>
#include <optional>

// The message of the PVErrInput that action raises, or nothing when it raises none.
template <typename Action> std::optional<QString> inputErrorOf(Action&& action) {
    try {
        action();
    } catch (const PVErrInput& error) {
        return error.message();
    }
    return std::nullopt;
}
