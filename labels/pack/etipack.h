#pragma once

#include "form/program.h"

#include <QString>
#include <cstdint>

// The older carton (pack) label with a Code 39 symbol: one page per volume from m_inicio to m_fim
// on the current printer, all in "Franklin Gothic Medium". The caller sets the page up and ends
// the document. m_codigo takes each volume's pack-list entry; m_fornecedor and m_descricao are
// cut to 20 and 35 characters. No error handling of its own: a code outside Code 39 ends the call.
// Kept here, not in alternative/: the carton print path and the pack margin dialog's test print
// still call it while the window's pack flags say so, and alternative/ sits above them both.
void EtiPack(Program& p, const QString& M_TIPO, const QString& m_cd, const QString& m_pedido, const QString& m_master,
             QString& m_fornecedor, QString& m_descricao, const QString& m_cor, QString& m_codigo,
             const QString& m_grade, const QString& m_qte, const QString& m_total, int16_t m_inicio, int16_t m_fim,
             const QString& m_semana);

