// lumetra encode: a message into an image file through the library's file export.
#include "tools/command_line.h"

#include <iostream>
#include <iterator>

#include "lumetra/api/code_page.h"
#include "lumetra/api/file_access.h"
#include "lumetra/api/lumetra.h"

namespace lumetra::tool {
namespace {

constexpr std::string_view kEncodeHelp = R"(Usage: lumetra encode [options] -o FILE [MESSAGE]

Encodes a message as an Aztec code image. The message is the argument MESSAGE, the
content of the file given with -i, or standard input; its lines may end in LF or CR LF.

Options:
  -o, --output FILE      image to write; the extension picks the format:
                         .tif .tiff .gif .bmp .emf .wmf
  -i, --input FILE       read the message from FILE
  -s, --size-mode N      0 automatic (default), 1-99 error correction percent,
                         101-104 compact symbol of 1-4 layers,
                         201-232 full-range symbol of 1-32 layers, 300 rune
  -n, --symbols N        symbols of a structured append, 1-26 (default 1)
  -m, --module-size N    pixels per module (default 1; BMP takes 1, 2, 4 or 8;
                         EMF and WMF draw vector rectangles with 0)
  -r, --rotate           turn the symbol 90 degrees clockwise
  -u, --utf8             the message is UTF-8 (default: Windows-1251)
  -h, --help             show this help

Exit code: 0, or the library's result code, whose text is printed.
)";

struct EncodeOptions {
    std::string output;
    std::optional<std::string> input;
    std::optional<std::string> message;
    int32_t sizeMode = 0;
    int32_t symbols = 1;
    int32_t moduleSize = 1;
    bool rotate = false;
    bool utf8 = false;
};

// Every line of the library's messages ends in CR LF; a lone LF would join two lines.
std::string WithCrLf(std::string_view text) {
    std::string result;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) result += '\r';
        result += text[i];
    }
    return result;
}

} // namespace

int RunEncode(const std::vector<std::string>& arguments) {
    EncodeOptions options;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        const auto value = [&]() -> std::optional<std::string> {
            if (i + 1 >= arguments.size()) return std::nullopt;
            return arguments[++i];
        };
        const auto number = [&](int32_t& target) {
            const auto text = value();
            const auto parsed = text ? ParseNumber(*text) : std::nullopt;
            if (parsed) target = *parsed;
            return parsed.has_value();
        };
        if (option == "-h" || option == "--help") {
            std::cout << kEncodeHelp;
            return 0;
        } else if (option == "-o" || option == "--output") {
            const auto text = value();
            if (!text) return UsageError("--output needs a file name");
            options.output = *text;
        } else if (option == "-i" || option == "--input") {
            options.input = value();
            if (!options.input) return UsageError("--input needs a file name");
        } else if (option == "-s" || option == "--size-mode") {
            if (!number(options.sizeMode)) return UsageError("--size-mode needs a number");
        } else if (option == "-n" || option == "--symbols") {
            if (!number(options.symbols)) return UsageError("--symbols needs a number");
        } else if (option == "-m" || option == "--module-size") {
            if (!number(options.moduleSize)) return UsageError("--module-size needs a number");
        } else if (option == "-r" || option == "--rotate") {
            options.rotate = true;
        } else if (option == "-u" || option == "--utf8") {
            options.utf8 = true;
        } else if (option.starts_with('-') && option != "-") {
            return UsageError("unknown option " + option);
        } else if (options.message) {
            return UsageError("more than one message");
        } else {
            options.message = option;
        }
    }
    if (options.output.empty()) return UsageError("no output file (-o)");
    if (options.message && options.input) return UsageError("a message and an input file");

    std::string message;
    if (options.message) {
        message = *options.message;
    } else if (options.input) {
        const auto content = ReadWholeFile(*options.input);
        if (!content) return Fail(LUMX_IO_ERROR, *options.input);
        message = *content;
    } else {
        message.assign(std::istreambuf_iterator<char>(std::cin), {});
    }
    if (options.utf8) {
        const auto converted = Recode(message, kUtf8, kWindows1251);
        if (!converted)
            return Fail(LUMX_BAD_PARAMETERS,
                        "the message is not UTF-8 or has characters Windows-1251 lacks");
        message = *converted;
    }
    message = WithCrLf(message);

    const auto outFile = Recode(options.output, kUtf8, kUtf16);
    if (!outFile) return Fail(LUMX_IO_ERROR, options.output);
    const std::u16string wideName(reinterpret_cast<const char16_t*>(outFile->data()),
                                  outFile->size() / 2);
    const int32_t result =
        Lumx_EnCode_StrW(message.c_str(), wideName.c_str(), options.sizeMode, options.symbols,
                         options.moduleSize, options.rotate ? 1 : 0);
    return result == LUMX_OK ? 0 : Fail(result);
}

} // namespace lumetra::tool
