#pragma once

#include "form/program.h"

#include <QString>
#include <cstdint>

// Box-front labels 100 x 40 of one size, m_qte of them, one label to a page, from the drawing
// origin and in the label font as it stands. No error handling of its own: a refused barcode ends
// the call, but the page of that label is closed first so the caller's next label starts clean.
void Eti100_40_1(Program& program, const QString& M_TIPO, const QString& m_descricao, const QString& m_referencia,
                 const QString& m_codigo, const QString& m_codbar, const QString& m_tamanho, const QString& m_preco,
                 int16_t m_qte);

