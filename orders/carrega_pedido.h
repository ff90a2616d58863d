#pragma once

#include "form/program.h"

// Finds the order file of the typed order number and label type in the orders folder, keeps its
// data lines in List1, lists its items in the family's reference list (carton orders also fill
// the pack list) and loads the first item.
void carrega_pedido(Program& p);
