#pragma once

#include "form/program.h"

namespace labels {

// Draws the first 12 characters of txtbarra into Picture1 as an EAN-13 symbol without digits,
// the way every product label asks for it; the bar height factor is 1.
void drawLabelSymbol(Program& program);

// Draws the symbol of code once before the first of count labels is printed, so that a code the
// drawer refuses ends the layout call with nothing on the page, not with labels that lack their
// symbol. Leaves txtbarra holding the code.
void drawSymbolBeforeLabels(Program& program, const QString& code, int count);

// The same with the printer switched to pixels while the symbol is drawn, as the oldest hidden
// labels do it: txtbarra takes the code first, and the millimetres come back even when the
// barcode is refused, so whatever is printed next lands in place.
void drawLabelSymbolInPixels(Program& program, const QString& code);

}  // namespace labels
