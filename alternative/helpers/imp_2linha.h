#pragma once

#include "form/program.h"

#include <QString>
#include <cstdint>

// Prints texto on the current printer at row linha, aligned at column coluna by Posicao: 0 the
// text starts there, 1 it is centred there, any other value it ends there. Positions are in the
// printer's current scale. Every step that fails is passed over and the next one runs.
void imp_2linha(Program& p, float linha, float coluna, const QString& texto, int16_t Posicao, const QString& FONTE,
                float Tamanho, bool Negrito, bool italico, bool Sublinhado);
