#pragma once

#include "form/program.h"

#include <QString>

// The order header: "Pedido: " and the order number on both labels of one row, then a new page.
// M_TIPO is "FC" (box-front run) or "OCULTA" (hidden-label run), in any letter case; any other
// kind prints nothing. The column counter and the label font name are left alone.
void Imprime_CabecAlho(Program& program, const QString& M_TIPO);
