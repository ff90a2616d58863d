#pragma once

#include "form/program.h"

#include <QString>
#include <cstdint>

// The carton (pack) label with a Code 39 symbol of each volume's pack-list entry and the
// department: one page per volume from m_inicio to m_fim on the current printer, after asking for
// the QR images whatever comes of it. The caller sets the page up and ends the document. m_cd and
// m_codigo are working variables. No error handling of its own: an entry Code 39 cannot draw
// ends the call on its page.
void V2020_Novo_EtiPack(Program& p, const QString& M_TIPO, QString& m_cd, const QString& m_pedido,
                        const QString& m_master, const QString& m_fornecedor, const QString& m_descricao,
                        const QString& m_cor, QString& m_codigo, const QString& m_grade, const QString& m_qte,
                        const QString& m_total, int16_t m_inicio, int16_t m_fim, const QString& m_semana);

// The pack-list entry at position volume - 1, whole; empty for a position outside the list.
QString entradaDoVolume(const ListBox& lsteanpack, int volume);
