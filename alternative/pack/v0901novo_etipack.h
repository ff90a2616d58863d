#pragma once

#include "form/program.h"

#include <QString>
#include <cstdint>

// The earlier QR carton (pack) label: after the QR images of the carton are made, one page per
// volume from m_inicio to m_fim on the current printer; the caller sets the page up and ends the
// document. m_cd and m_codigo are working variables; the rest of the carton is read from the
// window. No error handling of its own beyond the QR step.
void V0901Novo_EtiPack(Program& p, const QString& M_TIPO, QString& m_cd, const QString& m_pedido,
                       const QString& m_master, const QString& m_fornecedor, const QString& m_descricao,
                       const QString& m_cor, QString& m_codigo, const QString& m_grade, const QString& m_qte,
                       const QString& m_total, int16_t m_inicio, int16_t m_fim, const QString& m_semana);
