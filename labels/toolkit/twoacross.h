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

// How a label moves the counter on.
enum class RowRule {
    // The counter goes up before the label is drawn; at 3 or more the row is full.
    CountFirst,
    // Earlier layouts: a left-hand label sets the counter to 2 at once; a right-hand label, any
    // counter but 1, always ends the row.
    RightEndsRow,
};

// Prints count labels two across with the shared counter: each label takes its column, moves the
// counter on, and closes its place in the row once drawn. A label that fails part-way still closes
// its place before the error goes on to the caller, so the caller's next label never lands on
// top of it.
template <class DrawLabel>
void printTwoAcross(Printer& printer, int16_t& coluna_etiqueta, int count, const Columns& at, DrawLabel drawLabel,
                    RowRule rule = RowRule::CountFirst)
{
    for (int n = 1; n <= count; ++n) {
        const double x = columnX(coluna_etiqueta, at);
        const bool right = coluna_etiqueta != 1;
        if (rule == RowRule::CountFirst)
            ++coluna_etiqueta;
        else if (!right)
            coluna_etiqueta = 2;
        const auto close = [&] {
            if (rule == RowRule::RightEndsRow && right)
                coluna_etiqueta = 3;
            closeLabel(printer, coluna_etiqueta);
        };
        try {
            drawLabel(x, at.top);
        } catch (const ProgramError&) {
            close();
            throw;
        }
        close();
    }
}

}  // namespace labels
