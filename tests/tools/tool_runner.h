#pragma once

#include <string>
#include <vector>

namespace lumetra::test {

struct ToolRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs a program with the arguments (each shell-quoted), `input` on its standard input.
ToolRun RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                   const std::string& input = "");

// The lumetra command line of this build.
inline ToolRun RunLumetra(const std::vector<std::string>& arguments,
                          const std::string& input = "") {
    return RunProgram(KV_LUMETRA_TOOL, arguments, input);
}

} // namespace lumetra::test
