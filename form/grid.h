#pragma once

#include "form/mainform.h"

// Recomputes TXTPARES and TXTOCULTAS (twice the total) from the size cells. A cell counts only
// when it holds a whole number from 0 to 32767; the total itself is not bounded.
void soma(MainForm& form);
// Empties and hides the 14 size cells.
void OCULTA_ITENS(MainForm& form);
// Called after each item load; it has nothing to do.
inline void oculta_objetos(MainForm&) {}
