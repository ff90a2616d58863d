#pragma once

#include "form/program.h"

// Switches the size grid between the full grid and one quantity cell captioned "Qte" (cell 8),
// hiding the printer and promotion captions with it. umaCelula stands for the switch the window
// lacks. Cells 9 to 13, captions 7 to 13 and every quantity are left alone.
void alterna_grade(Program& p, bool umaCelula);
