#include "lumetra/api/file_names.h"

#include "lumetra/api/code_page.h"

#include <algorithm>

namespace lumetra {

std::optional<std::string> NameFromUtf16(const char16_t* name) {
    if (!name) return std::nullopt;
    return Recode(Utf16Bytes(name), kUtf16, kUtf8);
}

std::optional<std::string> NameFromWindows1251(const char* name) {
    if (!name) return std::nullopt;
    return Recode(name, kWindows1251, kUtf8);
}

std::string UpperExtension(std::string_view fileName) {
    const size_t dot = fileName.rfind('.');
    const size_t slash = fileName.rfind('/');
    if (dot == std::string_view::npos || (slash != std::string_view::npos && slash > dot))
        return {};
    std::string extension(fileName.substr(dot));
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; });
    return extension;
}

} // namespace lumetra
