#pragma once

#include "form/program.h"

#include <QString>
#include <cstdint>

// The earlier accessory labels 40 x 20, m_qte of them, two across with the shared column counter.
// Every call first lowers the two 40 x 20 column margins in place (by 4.8 and 1.5 mm), so callers
// set them again before each call. No error handling of its own: a refused barcode ends the call.
void V_ate_2606_Imprime_Acessorio_40_20_2(Program& program, const QString& M_TIPO, const QString& m_descricao,
                                          const QString& m_referencia, const QString& m_codigo,
                                          const QString& m_codbar, const QString& m_tamanho, const QString& m_preco,
                                          int16_t m_qte, const QString& m_bandeira, const QString& m_semana,
                                          const QString& m_promocao);
