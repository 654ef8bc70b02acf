#pragma once

#include "lumetra/output/module_matrix.h"
#include "lumetra/output/picture.h"

namespace lumetra {

// A new picture of the matrix, moduleSize pixels per module, with one reference for the caller;
// null when the matrix or module size cannot be drawn (the caller's 25) or memory runs out.
LumxPicture* MakePicture(const ModuleMatrix& matrix, int moduleSize) noexcept;

} // namespace lumetra
