#pragma once

#include "form/program.h"

// Shows the accessory item chosen in cmb_referencia: its fields, its quantity in TXTPARES and its
// EAN in lblbarra, from the first of its lines. Lines of 11 fields also put their sizes into the
// grid, which stays hidden.
void carrega_grade_Acessorio(Program& p);
