#pragma once

#include "form/program.h"

#include <QString>
#include <cstdint>

// Earlier code lookups over the lines of List1.

// The EAN-13 and the whole product code of the current accessory item (colour, description and
// the 7-character model code in txtcodigo) into lblbarra and lblmaster, from the first accessory
// line that matches; both stay empty when none does.
void ret_codcomplementoAcessorio(Program& p);

// The four texts that name the wanted item in a fixed-width code line besides its colour. Each
// is trimmed before it is compared with the trimmed positions of the line.
struct CodbarKey {
    QString a;  // positions 45-54
    QString b;  // positions 65-66
    QString c;  // positions 30-39
    QString d;  // positions 18-27
};
// The 14-character code of the item in the size V_NUMBER: a line of that size wins at once; a
// line marked "UN" (every size) counts until a later one replaces it; "" when nothing matches.
// A line whose size holds neither a number nor "UN" is passed over.
QString ret_codbar(Program& p, int16_t V_NUMBER, const CodbarKey& chave);
