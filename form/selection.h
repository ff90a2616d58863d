#pragma once

#include "form/controls.h"

// Selects the text from its start over as many characters as the trimmed text has.
void seleciona(TextBox& box);
inline void seleciona_texto(TextBox& box) { seleciona(box); }
