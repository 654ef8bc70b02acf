#pragma once

#include "lumetra/output/module_matrix.h"

namespace lumetra {

// The matrix turned 90 degrees clockwise: H wide and W high, the top-left module ending top right.
// An invalid matrix gives an invalid (empty) one.
ModuleMatrix Rotate(const ModuleMatrix& matrix);

} // namespace lumetra
