#pragma once

#include "form/program.h"

// The two paths of the print command whose layouts lie outside the product labels. Both begin
// after the start of a run and leave the printer as every run does: document ended, default
// printer current. False when a check stopped the run.

// Frame1 hidden: the carton on show, one pack label page per volume of the chosen range.
bool printCartonPath(Program& p);
// Label type "Frente de Caixa100x40": one-across 100 x 40 labels of each filled size.
bool print100x40Branch(Program& p);
