#include "tool_runner.h"

#include "api_test_support.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/wait.h>
#include <unistd.h>

namespace lumetra::test {
namespace {

std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

} // namespace

ToolRun RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                   const std::string& input) {
    const auto base =
        std::filesystem::temp_directory_path() / ("lumetra_tool_run_" + std::to_string(getpid()));
    const auto in = base.string() + ".in", out = base.string() + ".out",
               err = base.string() + ".err";
    std::ofstream(in, std::ios::binary) << input;
    std::string command = Quoted(program);
    for (const std::string& argument : arguments) command += " " + Quoted(argument);
    command += " <" + Quoted(in) + " >" + Quoted(out) + " 2>" + Quoted(err);
    const int status = std::system(command.c_str());
    ToolRun run{WIFEXITED(status) ? WEXITSTATUS(status) : -1, FileContent(out), FileContent(err)};
    for (const auto& file : {in, out, err}) std::filesystem::remove(file);
    return run;
}

} // namespace lumetra::test
