// lumetra: the command line around the library, for banks and for tests.
#include <iostream>
#include <string>
#include <vector>

#include "tools/command_line.h"

namespace {

constexpr std::string_view kHelp = R"(Usage: lumetra COMMAND [options]

Commands:
  encode    encode a message as an Aztec code image (TIFF, GIF, BMP, EMF, WMF)
  decode    read an Aztec code image back into the message's lines

lumetra COMMAND --help describes a command's options.
)";

} // namespace

int main(int argc, char** argv) {
    using namespace lumetra::tool;
    const std::vector<std::string> arguments(argv + std::min(argc, 2), argv + argc);
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "-h" || command == "--help") {
        std::cout << kHelp;
        return 0;
    }
    if (command == "encode") return RunEncode(arguments);
    if (command == "decode") return RunDecode(arguments);
    std::cerr << kHelp;
    return kUsageError;
}
