#pragma once

#include "form/program.h"

namespace labels {

// Draws the first 12 characters of txtbarra into Picture1 as an EAN-13 symbol without digits,
// the way every product label asks for it; the bar height factor is 1.
void drawLabelSymbol(Program& program);

}  // namespace labels
