#pragma once

#include "form/program.h"

#include <cstdint>

// The main window's events that load orders and items. The view calls them with the model
// already holding what the operator typed or chose, and shows the model again afterwards.

// Enter loads the order at once, whatever the order number; other keys arrive in capitals.
void txtarquivo_KeyPress(Program& p, int16_t& KeyAscii);
// Leaving the order field loads the order when a number is typed; the promotion field is emptied.
void txtarquivo_LostFocus(Program& p);
// Leaving the type list loads the order when a number is typed and sets the totals' captions.
void cmbtipo_LostFocus(Program& p);
// Leaving the reference list loads the chosen item.
void cmb_referencia_LostFocus(Program& p);

// The carton reference list: arrows move through the items while it has the focus, Enter moves
// on, and leaving it loads the chosen carton.
void cmb_referencia1_GotFocus(Program& p);
void cmb_referencia1_KeyPress(Program& p, int16_t& KeyAscii);
void cmb_referencia1_LostFocus(Program& p);
