#pragma once

#include <string_view>

namespace lumetra {

// Without NUL, TAB and space at both ends.
std::string_view TrimBlanks(std::string_view text);
// Without the bytes 0 to 32 at both ends.
std::string_view TrimControls(std::string_view text);

} // namespace lumetra
