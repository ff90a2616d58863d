#pragma once

#include "form/program.h"

#include <QString>
#include <QStringList>

// The item code left-filled with zeros to the 13 characters of the label's EAN-13 field; the
// code keeps its own blanks, and a code of 13 characters or more comes back as it is.
QString RET_CODCERTO(const QString& M_COD);

// The package labels of the current item, two across per format.
struct PacoteZpl {
    QString cor, codigo, descricao, semana;  // as the main window holds them
};
QStringList linhasPacoteZpl(const PacoteZpl& item, long long labels);

// Package labels of the current item on the label printer, as many as the second size cell
// says: "Informe o Número de Pacotes" when it is blank, and nothing is sent.
void imprime_pacote_zpl(Program& p);
