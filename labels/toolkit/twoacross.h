#pragma once

#include "platform/errors.h"
#include "platform/printer.h"

#include <cstdint>

namespace labels {

// Where the two labels of a row start, in millimetres on the page.
struct Columns {
    double left = 0;
    double right = 0;
    double top = 0;
};

// The counter coluna_etiqueta: 1 puts the next label in the left column, any other value in the right.
inline double columnX(int16_t coluna_etiqueta, const Columns& at)
{
    return coluna_etiqueta == 1 ? at.left : at.right;
}

// After a right-hand label the row is full: the counter goes back to 1 and a new page follows.
inline void closeLabel(Printer& printer, int16_t& coluna_etiqueta)
{
    if (coluna_etiqueta >= 3) {
        coluna_etiqueta = 1;
        printer.newPage();
    }
}

// Prints count labels two across with the shared counter: each label takes its column, moves the
// counter on before anything of it is drawn, and closes its place in the row afterwards. A label
// that fails part-way still closes its place before the error goes on to the caller, so the
// caller's next label never lands on top of it.
template <class DrawLabel>
void printTwoAcross(Printer& printer, int16_t& coluna_etiqueta, int count, const Columns& at, DrawLabel drawLabel)
{
    for (int n = 1; n <= count; ++n) {
        const double x = columnX(coluna_etiqueta, at);
        ++coluna_etiqueta;
        try {
            drawLabel(x, at.top);
        } catch (const ProgramError&) {
            closeLabel(printer, coluna_etiqueta);
            throw;
        }
        closeLabel(printer, coluna_etiqueta);
    }
}

}  // namespace labels
