#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lumetra {

// Character sets the library converts between, as iconv names them.
inline constexpr const char* kWindows1251 = "CP1251";
inline constexpr const char* kUtf8 = "UTF-8";
// char16_t text in the byte order of this machine.
extern const char* const kUtf16;

// `text` converted from one character set to another; nothing when a character has no
// counterpart or the input is malformed.
std::optional<std::string> Recode(std::string_view text, const char* from, const char* to);

// Views of NUL-terminated UTF-16 text as its bytes; a null pointer gives an empty view.
std::string_view Utf16Bytes(const char16_t* text);

} // namespace lumetra
