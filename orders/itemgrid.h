#pragma once

#include "form/program.h"

// What the box-front and accessory loaders share about the size grid.

// The first size cell whose trimmed caption is empty, or -1 when all 14 hold a size.
int firstFreeCell(const MainForm& form);
// The warning for a size that finds no free cell, naming the order as typed.
void warnGridFull(Program& p);
