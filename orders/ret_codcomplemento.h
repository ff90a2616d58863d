#pragma once

#include "form/program.h"

#include <QString>

// Puts the EAN-13 (check digit added to a 12-digit code) and the master code of one size of the
// current item into lblbarra and lblmaster; both stay empty when no line of the order fits. The
// size "0" (also "00", "0,0") looks among accessory lines, which carry no size.
void ret_codcomplemento(Program& p, const QString& m_numero);
