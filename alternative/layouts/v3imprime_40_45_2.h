#pragma once

#include "form/program.h"

#include <QString>
#include <cstdint>

// The third box-front labels 40 x 45 of one size, m_qte of them, two across with the shared
// column counter and the box-front margins, every text in the label font fonte_etiqueta. Always
// the brand "O" label: M_TIPO is set to "O" on entry, in the caller's variable too. No error
// handling of its own: a refused barcode ends the call.
void V3Imprime_40_45_2(Program& program, QString& M_TIPO, const QString& m_descricao, const QString& m_cor,
                       const QString& m_referencia, const QString& m_codigo, const QString& m_codbar,
                       const QString& m_tamanho, const QString& m_preco, int16_t m_qte, const QString& m_promocao,
                       const QString& m_semana);
