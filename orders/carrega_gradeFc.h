#pragma once

#include "form/program.h"

// Shows the box-front or hidden-label item chosen in cmb_referencia: its fields from the first of
// its lines, one size cell per line, the totals and the product picture.
void carrega_gradeFc(Program& p);
// Shows the filled size cells, adds the "Adicionar" increment while Frame2 shows, and sets the
// totals.
void EXIBE_ITENS(Program& p);
// Loads "imagens\" + code + ".jpg" into pctimage, or empties it.
void pega_imagem(Program& p);
