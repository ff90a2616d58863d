#pragma once

#include "form/program.h"

#include <QString>
#include <cstdint>

// Price labels 40 x 20, m_qte of them, two across with the shared column counter and the price
// margins: the reference, "De: " m_preco1, "Por: " m_preco2 white on black, "COD: " m_codigo and,
// when m_logo, the brand's logo. Prints in whatever font and page the caller has set up.
void Imprime_Preco_40_20_2(Program& program, const QString& M_TIPO, bool m_logo, const QString& m_referencia,
                           const QString& m_codigo, int16_t m_qte, const QString& m_preco1, const QString& m_preco2);
