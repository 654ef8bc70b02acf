#pragma once

#include "app/bag_control/bag_series.h"
#include "app/form_kit/control.h"

#include <QString>
#include <array>

// A bag number held in 20 one-character cells, filled from the left.
using FooterCells = std::array<Control*, 20>;

// The number: the cells up to the first empty one.
QString cellsText(const FooterCells& cells);
// One character per cell from the left, the rest emptied; characters beyond cell 20 do not fit.
void fillCells(const FooterCells& cells, const QString& number);
// The run's cells, an empty or non-digit cell read as "0".
QString counterDigits(const FooterCells& cells, DigitRun run);
// The position in a cell's name: "sb07" -> 7.
int getPosSmbInS_NN(const Control& cell);
// Each cell from `position` to `last` takes the character of the cell before it; `position`
// takes the character.
void insertIntoCells(const FooterCells& cells, int position, int last, QChar character);
// Each cell from `position` to `last` - 1 takes the character of the cell after it; `last` is
// emptied.
void removeFromCells(const FooterCells& cells, int position, int last);
void setCellsEditable(const FooterCells& cells, DigitRun span, bool editable);
