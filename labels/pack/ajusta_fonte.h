#pragma once

#include "platform/printer.h"

#include <QString>

// How one text is shrunk until it fits a width: the size goes down by a step at a time, with a
// bound on the number of steps so a printer that realises sizes coarsely cannot keep it looping.
struct Ajuste {
    const char* fonte = "ARIAL";  // nullptr keeps the printer's font name
    bool negrito = false;
    double inicial = 0;  // start size, points
    double passo = 0;
    double limite = 0;   // width, in the printer's scale
    // After a step the text fits at width < limite instead of width <= limite.
    bool abaixoDoLimite = false;
    int contadorInicial = 0;
    int maximo = 0;  // the loop ends once the counter exceeds it
    // Sets the printer to the running size once more after the loop.
    bool aplicaTamanho = false;
};

// Fits a text by the rule and answers the running size it reached. Each step lowers the size the
// printer reports, not the running size, so the printer's own rounding shows in the width.
double ajusta_fonte(Printer& impressora, const QString& texto, const Ajuste& ajuste);

// A font size that is not positive cannot be applied; the printer keeps the size it has.
void defineTamanho(Printer& impressora, double tamanho);
