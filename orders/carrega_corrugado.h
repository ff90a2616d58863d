#pragma once

#include "form/program.h"

#include <QList>
#include <QString>
#include <optional>

// Shows the carton item chosen in cmb_referencia1: the carton fields of its first line and the
// volume lists cmb_vol1 and cmb_vol2 of its range, with the last volume in lblmax.
void carrega_corrugado(Program& p);

// The positions in List1 of the order lines that belong to the carton item chosen in
// cmb_referencia1: its reference key (code, description and colour) compared as the loader
// compares it, in list order. The pack list lsteanpack holds one entry per line of List1, at the
// same position.
QList<int> linhasDoCorrugado(const MainForm& f);

// A volume number: a whole number from 0 to 32767, blanks around it allowed.
std::optional<int> numeroVolume(const QString& texto);

// The two whole numbers of a volume text ("1/4", "03/12", " 2 / 2 "): the volume and the
// carton's last volume, or the first and last volume of a range. Nothing when either part is no
// whole number from 0 to 32767.
struct NumerosVolume {
    int primeiro = 0;
    int segundo = 0;
};
std::optional<NumerosVolume> numerosDoVolume(const QString& texto);

// Clears the item fields of both panels (and size cells 3 and 2).
void limpa_objetos(Program& p);
