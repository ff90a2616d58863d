#pragma once

#include "form/program.h"

// Shows the carton item chosen in cmb_referencia1: the carton fields of its first line and the
// volume lists cmb_vol1 and cmb_vol2 of its range, with the last volume in lblmax.
void carrega_corrugado(Program& p);

// Clears the item fields of both panels (and size cells 3 and 2).
void limpa_objetos(Program& p);
