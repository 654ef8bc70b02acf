#pragma once

#include <optional>
#include <string>

namespace lumetra {

// Whether an image can go to `fileName` before any work is done: an existing regular file must
// open for reading; a missing one must be creatable (it is created and removed again at once).
bool CanWriteTo(const std::string& fileName);

// The whole content of a regular file; nothing when it is missing, empty or unreadable.
std::optional<std::string> ReadWholeFile(const std::string& fileName);

} // namespace lumetra
