#pragma once

#include "form/program.h"

#include <QString>
#include <QStringList>

// Appends the data lines of the order file named by nome_arquivo to lista (not cleared first),
// then replaces the entries of each product key (an entry's last 7 characters) by one entry:
// the summed quantity, ";" and the key. A markup percentage (percentual, blank for none, decimal
// comma) raises each sum once. Entries whose quantity cannot be read are left as they are. A
// markup that is not a number raises "Type mismatch" before anything is read or changed.
void agrupa_pedido(Program& p, QStringList& lista, const QString& percentual);
