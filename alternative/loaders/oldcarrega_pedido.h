#pragma once

#include "form/program.h"

// The earlier readers of the order file named by nome_arquivo (see verifica_arquivo): its data
// lines go into List1 and its references into cmb_referencia, description first, and the first
// reference is selected. No item is loaded.

// Box front: every data line goes into List1; the key takes the first 8 characters of the code.
void oldcarrega_pedido(Program& p);
// Accessories: List1 gets the first line of each reference only, so its positions match those of
// cmb_referencia; the key takes the whole code.
void oldcarrega_pedidoAcessorio(Program& p);
