#pragma once

#include "lumetra/output/data_stream.h"

#include <cstddef>
#include <functional>
#include <string>

namespace lumetra {

// Writes `data` as the whole content of `fileName`: into a new file beside it, flushed to disk,
// then renamed over the target, so a crash leaves either the old file or the new one. A file
// that replaces another keeps its permissions. Returns the bytes written; 0 when the file could
// not be written (the target is then untouched) or `data` is empty (nothing is written).
std::size_t WriteWholeFile(const std::string& fileName, const TDataStream& data) noexcept;

// Builds a file image with `build` and writes it whole. Fails, leaving the target untouched,
// when `build` returns false or throws, the image is empty or the write fails.
bool WriteBuiltFile(const std::string& fileName,
                    const std::function<bool(TDataStream&)>& build) noexcept;

} // namespace lumetra
