#include "tools/command_line.h"

#include <charconv>
#include <iostream>

#include "lumetra/api/result_codes.h"

namespace lumetra::tool {

std::optional<int32_t> ParseNumber(std::string_view text) {
    int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

int Fail(int32_t code, std::string_view detail) {
    std::cerr << "lumetra: " << ResultText(code);
    if (!detail.empty()) std::cerr << ": " << detail;
    std::cerr << " (" << code << ")\n";
    return code;
}

int UsageError(std::string_view detail) {
    std::cerr << "lumetra: " << detail << " (see lumetra --help)\n";
    return kUsageError;
}

} // namespace lumetra::tool
