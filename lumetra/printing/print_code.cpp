// The exports that hand a symbol over as a temporary BMP file and remove it again.
#include "lumetra/api/lumetra.h"

#include <cstring>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "lumetra/api/encode_symbol.h"
#include "lumetra/output/image_writers.h"
#include "lumetra/output/unique_name.h"

using namespace lumetra;

extern "C" {

void PrintCode(char* result, int32_t resultSize, const char* message, const uint8_t* symbolCount) {
    if (!result || resultSize < 1) return;
    result[0] = '\0';
    try {
        const std::string path =
            UniqueName(std::filesystem::temp_directory_path().string(), ".bmp");
        // A file whose name the caller cannot receive would never be removed.
        if (path.size() >= static_cast<size_t>(resultSize)) return;
        const EncodedSymbol symbol =
            EncodeSymbol(MessageText(message), 0, symbolCount ? *symbolCount : 1, false);
        if (symbol.result != 0 || !WriteBmp(symbol.matrix, 1, path)) return;
        std::memcpy(result, path.c_str(), path.size() + 1);
    } catch (...) {
    }
}

int32_t DelCode(const char* path) {
    // Nothing to schedule on this system: a file that cannot go now stays, as callers expect.
    if (path && *path) unlink(path);
    return 0;
}
}
