#pragma once

#include "form/program.h"

// What the box-front and accessory loaders share about the size grid.

// The first size cell whose trimmed caption is empty, or -1 when all 14 hold a size.
int firstFreeCell(const MainForm& form);
// After an item load: the warning that some of the item's lines found no free cell, naming the
// order as typed and how many lines were left out. Told once, not again at the loads of the same
// item that the moves through the order fields bring; a load that leaves nothing out says nothing.
void warnGridFull(Program& p, int linesLeftOut);
