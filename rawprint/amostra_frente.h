#pragma once

#include <QString>
#include <QStringList>

// The sample box-front label of the ZPL margin dialog: one format with the same sample twice, the
// left copy at x1 and the right copy at x2, both below the top margin. The margins must read as
// whole dots; the dialog sees to that.
QStringList linhasAmostraFrenteZpl(const QString& x1, const QString& x2, const QString& top, const QString& darkness,
                                   const QString& speed);
