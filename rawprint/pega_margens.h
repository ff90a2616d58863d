#pragma once

#include "form/program.h"

#include <QString>
#include <QStringList>
#include <optional>

// The margins of one printer-language label in printer positions, as text: the columns from left
// to right and the top where the label has one. A blank value has taken its standard.
struct MarginSet {
    QStringList columns;
    std::optional<QString> top;
};

// Each reads the set of the language that lbllinguagem names: exactly "ZPL" for ZPL, anything
// else for PPLA. Without a settings file nothing is read and every value stays empty. Each also
// leaves the settings path in arquivo_ini.
MarginSet pega_margemoculta(Program& p);
MarginSet pega_margemoculta7(Program& p);
MarginSet pega_margemoculta8(Program& p);
MarginSet pega_margemfc(Program& p);
MarginSet pega_margemfc2(Program& p);
MarginSet pega_margemcorrugado(Program& p);
