#pragma once

#include <QString>

// "3/9", "03/12", "007/120", "0007/1200": the volume padded to as many digits as the volume count
// has characters; a count of any other length gives the plain volume over the run's last volume.
QString textoVolumeAntigo(int volume, const QString& lblmax, int fim);

// How many steps a shrinking size can take and stay above zero, so a text that never fits stops
// at the smallest positive size instead of asking the printer for none.
constexpr int passosPositivos(double inicial, double passo)
{
    int n = 0;
    while (inicial - (n + 1) * passo > 1e-9)
        ++n;
    return n;
}
