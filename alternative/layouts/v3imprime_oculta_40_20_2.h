#pragma once

#include "form/program.h"

#include <QString>
#include <cstdint>

// The third hidden labels 40 x 20 of one size, m_qte of them, two across with the shared column
// counter and the hidden-label margins, every text in the label font fonte_etiqueta. The brand
// letter changes nothing on the label. No error handling of its own: a refused barcode ends the
// call, with the printer back in millimetres.
void v3Imprime_Oculta_40_20_2(Program& program, const QString& M_TIPO, const QString& m_descricao,
                              const QString& m_referencia, const QString& m_codigo, const QString& m_codbar,
                              const QString& m_tamanho, int16_t m_qte, const QString& m_cor);
