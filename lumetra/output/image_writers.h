#pragma once

#include "lumetra/output/module_matrix.h"

#include <string>
#include <string_view>

namespace lumetra {

// The image file writers. Each builds the whole file image in memory and writes it with
// WriteWholeFile; false (the caller's 25) when the matrix or module size cannot be drawn or the
// file cannot be written, the target then left as it was. None throws.
//
// TIFF: max(moduleSize, 1) pixels per module, uncompressed, black = 1.
bool WriteTiff(const ModuleMatrix& matrix, int moduleSize, const std::string& fileName) noexcept;
// BMP: 2, 4 or 8 pixels per module when moduleSize says so, else 1.
bool WriteBmp(const ModuleMatrix& matrix, int moduleSize, const std::string& fileName) noexcept;
// GIF87a: moduleSize pixels per module; a moduleSize below 1 fails.
bool WriteGif(const ModuleMatrix& matrix, int moduleSize, const std::string& fileName) noexcept;
// EMF and WMF, one logical unit per module: moduleSize 0 draws a rectangle per dark module, any
// other value one stretched bitmap at the BMP's scale.
bool WriteEmf(const ModuleMatrix& matrix, int moduleSize, const std::string& fileName) noexcept;
bool WriteWmf(const ModuleMatrix& matrix, int moduleSize, const std::string& fileName) noexcept;

// The generator text every GIF carries as its comment.
inline constexpr std::string_view kGeneratorText = "Quillon Writer";

} // namespace lumetra
