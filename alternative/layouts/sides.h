#pragma once

#include "labels/toolkit/twoacross.h"

#include <cstdint>

namespace labels {

enum class Side { Left, Right };

// The earlier layouts' two-across rule (a right-hand label always ends the row), for layouts
// whose label differs by column: the side is known before the counter moves on.
template <class DrawLabel>
void printTwoAcrossBySide(Printer& printer, int16_t& coluna_etiqueta, int count, const Columns& at,
                          DrawLabel drawLabel)
{
    for (int n = 1; n <= count; ++n) {
        const Side side = coluna_etiqueta == 1 ? Side::Left : Side::Right;
        printTwoAcross(
            printer, coluna_etiqueta, 1, at, [&](double x, double y) { drawLabel(x, y, side); },
            RowRule::RightEndsRow);
    }
}

}  // namespace labels
