#pragma once

#include "platform/workstation.h"

#include <QString>
#include <array>

// Makes the installed printer with exactly this device name current; false, with the current
// printer unchanged, when none has it.
bool define_impressora(PrinterSystem& printers, const QString& deviceName);

// The fonts the labels need, in the order the start-up check names them.
inline const std::array<QString, 4> kLabelFonts{
    QStringLiteral("Estrangelo Edessa"),
    QStringLiteral("Franklin Gothic Medium"),
    QStringLiteral("Calibri"),
    QStringLiteral("Malgun Gothic Semilight"),
};

// Tells the operator which label fonts the current printer lacks; installs nothing.
void verifica_fontes(Workstation& ws);
