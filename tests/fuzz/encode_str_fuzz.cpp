// Any message with any parameters goes through Lumx_EnCode_StrA to an image file: the export
// answers with one of its codes, and the file exists exactly when it reports success.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <unistd.h>

#include "lumetra/api/lumetra.h"

namespace {

// Each run removes its file, so a name per process is enough. Memory-backed when the system has
// it: every successful write is flushed to disk.
std::string FileBase() {
    const char* folder = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    return std::string(folder) + "/encode_str_fuzz_" + std::to_string(getpid());
}

bool Documented(int32_t result) {
    constexpr std::array<int32_t, 7> kCodes = {0, 13, 15, 25, 26, 27, 28};
    for (const int32_t code : kCodes)
        if (code == result) return true;
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    constexpr size_t kParameterBytes = 6;
    if (size < kParameterBytes) return 0;
    constexpr std::array<const char*, 7> kExtensions = {".tif", ".TIFF", ".gif", ".Bmp",
                                                        ".emf", ".wmf",  ".png"};
    // Size modes around every range of the table, counts and module sizes a little beyond theirs.
    const int32_t sizeMode = int16_t(data[0] | data[1] << 8) % 400;
    const int32_t symbolCount = int8_t(data[2]) % 30;
    const int32_t moduleSize = int8_t(data[3]) % 6;
    const int32_t rotate = int8_t(data[4]);
    static const std::string base = FileBase();
    const std::string file = base + kExtensions[data[5] % kExtensions.size()];
    const std::string message(reinterpret_cast<const char*>(data) + kParameterBytes,
                              size - kParameterBytes);

    const int32_t result =
        Lumx_EnCode_StrA(message.c_str(), file.c_str(), sizeMode, symbolCount, moduleSize, rotate);
    const bool written = access(file.c_str(), F_OK) == 0;
    if (!Documented(result) || written != (result == 0)) __builtin_trap();
    unlink(file.c_str());
    return 0;
}
