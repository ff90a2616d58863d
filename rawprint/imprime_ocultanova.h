#pragma once

#include "form/program.h"

#include <QString>
#include <QStringList>

// ç and Ç as the printer's hexadecimal escapes of code page 850; the text is changed in place
// and returned.
QString troca_zpl(QString& m_string);

struct OcultaNova {
    QString fabrica;  // as typed, blanks kept
    QString pedido, cor, pares, etiquetas, codigo;
};
// Rows of two labels for the count of labels: an odd count is rounded up to a whole row.
long long linhasDeOcultas(const QString& etiquetas);
// The header label with the order's quantities, then the row of two labels repeated.
QStringList linhasOcultaNova(const OcultaNova& item);

// Hidden labels of the current item on the label printer: the header label, then the labels
// that the fourth size cell counts, two across.
void Imprime_OcultaNova(Program& p);
