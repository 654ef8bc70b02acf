// The exports that write a symbol to an image file.
#include "lumetra/api/lumetra.h"

#include "lumetra/api/encode_symbol.h"
#include "lumetra/api/file_access.h"
#include "lumetra/api/file_names.h"
#include "lumetra/api/guarded.h"
#include "lumetra/output/image_writers.h"

#include <array>
#include <optional>
#include <string>

namespace lumetra {
namespace {

using ImageWriter = bool (*)(const ModuleMatrix&, int, const std::string&) noexcept;

struct WriterByExtension {
    std::string_view extension;
    ImageWriter writer;
};

constexpr std::array<WriterByExtension, 6> kWriters = {{
    {".TIF", WriteTiff},
    {".TIFF", WriteTiff},
    {".GIF", WriteGif},
    {".BMP", WriteBmp},
    {".EMF", WriteEmf},
    {".WMF", WriteWmf},
}};

ImageWriter WriterFor(const std::string& fileName) {
    const std::string extension = UpperExtension(fileName);
    for (const WriterByExtension& entry : kWriters)
        if (entry.extension == extension) return entry.writer;
    return nullptr;
}

struct ImageOptions {
    int32_t sizeMode;
    int32_t symbolCount;
    int32_t moduleSize;
    int32_t rotate;
};

int32_t EncodeAndWrite(std::string_view message, const std::string& outFile,
                       const ImageOptions& options) {
    const EncodedSymbol symbol =
        EncodeSymbol(message, options.sizeMode, options.symbolCount, options.rotate != 0);
    if (symbol.result != LUMX_OK) return symbol.result;
    const ImageWriter writer = WriterFor(outFile);
    if (!writer || !writer(symbol.matrix, options.moduleSize, outFile)) return LUMX_BAD_PARAMETERS;
    return LUMX_OK;
}

int32_t EncodeText(const char* message, const std::optional<std::string>& outFile,
                   const ImageOptions& options) {
    if (!outFile || !CanWriteTo(*outFile)) return LUMX_IO_ERROR;
    return EncodeAndWrite(MessageText(message), *outFile, options);
}

int32_t EncodeFile(const std::optional<std::string>& inFile,
                   const std::optional<std::string>& outFile, const ImageOptions& options) {
    if (!outFile || !CanWriteTo(*outFile)) return LUMX_IO_ERROR;
    const auto content = inFile ? ReadWholeFile(*inFile) : std::nullopt;
    if (!content) return LUMX_IO_ERROR;
    return EncodeAndWrite(*content, *outFile, options);
}

} // namespace
} // namespace lumetra

using namespace lumetra;

extern "C" {

int32_t Lumx_EnCode_StrW(const char* message, const char16_t* outFile, int32_t sizeMode,
                         int32_t symbolCount, int32_t moduleSize, int32_t rotate) {
    return Guarded([&]() -> int32_t {
        return EncodeText(message, NameFromUtf16(outFile),
                          {sizeMode, symbolCount, moduleSize, rotate});
    });
}

int32_t Lumx_EnCode_Str(const char* message, const char16_t* outFile, int32_t sizeMode,
                        int32_t symbolCount, int32_t moduleSize, int32_t rotate)
    __attribute__((alias("Lumx_EnCode_StrW")));

int32_t Lumx_EnCode_StrA(const char* message, const char* outFile, int32_t sizeMode,
                         int32_t symbolCount, int32_t moduleSize, int32_t rotate) {
    return Guarded([&]() -> int32_t {
        return EncodeText(message, NameFromWindows1251(outFile),
                          {sizeMode, symbolCount, moduleSize, rotate});
    });
}

int32_t Lumx_EnCode_FileW(const char16_t* inFile, const char16_t* outFile, int32_t sizeMode,
                          int32_t symbolCount, int32_t moduleSize, int32_t rotate) {
    return Guarded([&]() -> int32_t {
        return EncodeFile(NameFromUtf16(inFile), NameFromUtf16(outFile),
                          {sizeMode, symbolCount, moduleSize, rotate});
    });
}

int32_t Lumx_EnCode_File(const char16_t* inFile, const char16_t* outFile, int32_t sizeMode,
                         int32_t symbolCount, int32_t moduleSize, int32_t rotate)
    __attribute__((alias("Lumx_EnCode_FileW")));

int32_t Lumx_EnCode_FileA(const char* inFile, const char* outFile, int32_t sizeMode,
                          int32_t symbolCount, int32_t moduleSize, int32_t rotate) {
    return Guarded([&]() -> int32_t {
        return EncodeFile(NameFromWindows1251(inFile), NameFromWindows1251(outFile),
                          {sizeMode, symbolCount, moduleSize, rotate});
    });
}
}
