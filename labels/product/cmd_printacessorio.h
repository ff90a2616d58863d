#pragma once

#include "form/program.h"

#include <QString>
#include <QStringList>
#include <functional>

// Closes one margin dialog by its name, without saving what its boxes hold; a dialog that is not
// open is left alone. The dialogs live above this layer, so the window hands this in; an empty
// hook closes nothing.
using CloseMarginDialog = std::function<void(Program&, const QString& dialog)>;

// The margin dialogs a print run closes first, in this order.
inline const QStringList kPrintClosesDialogs{QStringLiteral("FrmMargensOcultaZPL2"),
                                             QStringLiteral("FrmMargensCxZPL45"), QStringLiteral("FrmMargensPackZPL")};

// "&Imprimir Etiquetas": one print run of the item on show on the printer chosen in CMBPRINTER.
// Frame1 hidden runs the carton path; otherwise cmbtipo chooses box-front, hidden, accessory or
// the 100 x 40 branch. Every run ends its document and makes the default printer current again.
void cmd_printacessorio_Click(Program& p, const CloseMarginDialog& closeDialog = {});

// The closing confirmation "A Impressão está OK", which a run reaches only while impressao_ok is
// False: Yes clears the item, drops the printed reference from its list and List1, and loads the
// next one.
void confirma_impressao(Program& p);
