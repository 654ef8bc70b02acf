#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumetra::tool {

// Exit code for a command line the tool cannot follow: the library's "Некорректные параметры".
inline constexpr int kUsageError = 25;

// A 32-bit decimal number, the whole text; nothing otherwise.
std::optional<int32_t> ParseNumber(std::string_view text);

// Prints "lumetra: " and the text of a library result code (UTF-8) to standard error and
// returns the code as the exit code.
int Fail(int32_t code, std::string_view detail = {});
// Prints a usage error to standard error; returns kUsageError.
int UsageError(std::string_view detail);

int RunEncode(const std::vector<std::string>& arguments);
int RunDecode(const std::vector<std::string>& arguments);

} // namespace lumetra::tool
