#pragma once

#include "form/program.h"

// Earlier item loaders: they fill the item fields from the List1 line at the position of the
// reference selected in cmb_referencia, so List1 must hold one line per reference in the same
// order (as oldcarrega_pedidoAcessorio leaves it). With no reference selected, no line at that
// position, or a line with fewer fields than the loader reads, nothing changes.

// Box-front line of 7 fields or more: code, colour, description and week; cells 0 and 1 emptied.
void oldcarrega_grade(Program& p);
// Box-front line of exactly 9 fields (brand "O") or 11 or more (brand in field 10); the price is
// taken for brand "O" only. Cell 0 emptied, "1" in cell 1.
void carrega_grade(Program& p);
// Accessory line of 8 fields or more: the quantity in cell 3, accents taken off colour and
// description, the EAN in txtean13 completed by AJUSTA_EAN.
void carrega_gradeAcessorio(Program& p);

// A txtean13 of exactly 12 characters (and not blank) gets its check digit.
void AJUSTA_EAN(Program& p);
