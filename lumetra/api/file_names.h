#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lumetra {

// File names as the exports take them, in the file system's encoding (UTF-8). Nothing for a
// null pointer or a name that does not convert.
std::optional<std::string> NameFromUtf16(const char16_t* name);
// 8-bit names are Windows-1251 like every 8-bit text of the library.
std::optional<std::string> NameFromWindows1251(const char* name);

// The extension in upper case, its dot included: from the last "." after the last "/"; empty
// when there is none.
std::string UpperExtension(std::string_view fileName);

} // namespace lumetra
