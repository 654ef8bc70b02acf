#include "lumetra/output/rotate.h"

namespace lumetra {

ModuleMatrix Rotate(const ModuleMatrix& matrix) {
    if (!matrix.Valid()) return {};
    ModuleMatrix turned = ModuleMatrix::Blank(matrix.height, matrix.width);
    for (int r = 0; r < matrix.height; ++r)
        for (int c = 0; c < matrix.width; ++c)
            if (matrix.Dark(c, r)) turned.SetDark(matrix.height - 1 - r, c);
    return turned;
}

} // namespace lumetra
