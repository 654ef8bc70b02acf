// lumetra decode: an image (or the prepared bytes) back into the message's lines.
#include "tools/command_line.h"

#include <iostream>

#include "lumetra/api/code_page.h"
#include "lumetra/api/file_access.h"
#include "lumetra/api/lumetra.h"
#include "lumetra/message/prepared_decoder.h"
#include "tools/grey_image.h"
#include "tools/symbol_reader.h"

namespace lumetra::tool {
namespace {

constexpr std::string_view kDecodeHelp = R"(Usage: lumetra decode [options] FILE

Reads the Aztec code in the image FILE, checks the data it carries (header, CRC-32),
reverses the compression and scrambling and prints the message as key=value lines,
one field per line. Images: PBM, PGM, PPM and uncompressed BMP; convert others first,
for example: convert symbol.gif symbol.pgm

Options:
  -p, --prepared    FILE holds the bytes of the symbol itself, not an image
  -u, --utf8        print the message in UTF-8 (default: Windows-1251)
  -h, --help        show this help

Exit code: 0, or a result code of the library's table, whose text is printed:
12 no symbol read, 17 symbols of a structured append missing, 13, 15, 16, 21 or 29
for data that is not a valid message, 25 unsupported image, 36 unreadable file.
)";

// The message's lines end in CR LF; printed they end as lines of this system do.
std::string AsLines(std::string_view message) {
    std::string lines;
    for (size_t i = 0; i < message.size(); ++i) {
        if (message[i] == '\r' && i + 1 < message.size() && message[i + 1] == '\n') continue;
        lines += message[i];
    }
    return lines;
}

} // namespace

int RunDecode(const std::vector<std::string>& arguments) {
    bool prepared = false;
    bool utf8 = false;
    std::optional<std::string> file;
    for (const std::string& argument : arguments) {
        if (argument == "-h" || argument == "--help") {
            std::cout << kDecodeHelp;
            return 0;
        } else if (argument == "-p" || argument == "--prepared") {
            prepared = true;
        } else if (argument == "-u" || argument == "--utf8") {
            utf8 = true;
        } else if (argument.starts_with('-')) {
            return UsageError("unknown option " + argument);
        } else if (file) {
            return UsageError("more than one file");
        } else {
            file = argument;
        }
    }
    if (!file) return UsageError("no file to decode");

    const auto content = ReadWholeFile(*file);
    if (!content) return Fail(LUMX_IO_ERROR, *file);
    std::string bytes = *content;
    if (!prepared) {
        const auto image = ParseImage(*content);
        if (!image) return Fail(LUMX_BAD_PARAMETERS, "not a PBM, PGM, PPM or BMP image");
        const SymbolBytes read = ReadSymbols(*image);
        if (read.result != LUMX_OK) return Fail(read.result, *file);
        bytes = read.bytes;
    }

    const DecodedMessage decoded = DecodePrepared(bytes);
    if (decoded.status != DecodeStatus::kOk) return Fail(static_cast<int32_t>(decoded.status));
    std::string lines = AsLines(decoded.message);
    if (utf8) {
        const auto converted = Recode(lines, kWindows1251, kUtf8);
        if (!converted) return Fail(LUMX_UNKNOWN_ERROR, "the message does not convert to UTF-8");
        lines = *converted;
    }
    std::cout << lines;
    return 0;
}

} // namespace lumetra::tool
