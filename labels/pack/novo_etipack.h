#pragma once

#include "form/program.h"

#include <QString>
#include <cstdint>

// The carton (pack) label: one page per volume from m_inicio to m_fim on the current printer,
// after the QR images of the carton are made. The caller sets the page up and ends the document.
// Prints nothing, and says why, when a volume of the carton has no usable pack code or its QR
// image could not be made.
// m_cd and m_codigo are working variables; the rest of the carton is read from the window.
void Novo_EtiPack(Program& p, const QString& M_TIPO, QString& m_cd, const QString& m_pedido, const QString& m_master,
                  const QString& m_fornecedor, const QString& m_descricao, const QString& m_cor, QString& m_codigo,
                  const QString& m_grade, const QString& m_qte, const QString& m_total, int16_t m_inicio,
                  int16_t m_fim, const QString& m_semana);

// "3/7", "03/12", "003/120", "003/1200": the volume padded by the length of the volume count; any
// other length of the count gives the plain volume over the run's last volume.
QString textoVolume(int volume, const QString& lblmax, int fim);

// A carton whose volume text gives no volume ("4/2", "a/b", "") has nothing to print: the operator
// is told, and the answer is false.
bool corrugadoTemVolumes(Program& p);
