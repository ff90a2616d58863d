#pragma once

#include "form/program.h"

#include <QString>

// The two older settings files, which the settings file Pendrova.ini has replaced. They are two
// different files: what GravaNomeUsuario_ini writes, Carrega_ini never reads.

// One key of torvik.ini in the program folder, at most 127 characters; "Nenhum valor lido" when
// the file, the section or the key is missing.
QString Carrega_ini(Program& p, const QString& Titulo, const QString& Campo);
// Writes one key of "C:\qmx.ini". Always "", whether the write worked or not.
QString GravaNomeUsuario_ini(Program& p, const QString& Titulo, const QString& Campo, const QString& Valor);
