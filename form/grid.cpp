#include "form/grid.h"

#include "platform/vb.h"

#include <cstdint>

void soma(MainForm& form)
{
    int64_t total = 0;
    for (const TextBox& cell : form.txtnumero) {
        const QString t = vb::Trim(cell.text);
        if (t.isEmpty())
            continue;
        bool ok = false;
        const int v = t.toInt(&ok);
        // Only what typing can put there counts: digits, at most 32767.
        bool digits = true;
        for (const QChar c : t)
            digits = digits && c.isDigit() && c.unicode() < 128;
        if (ok && digits && v >= 0 && v <= 32767)
            total += v;
    }
    form.TXTPARES.text = QString::number(total);
    form.TXTOCULTAS.text = QString::number(total * 2);
}

void OCULTA_ITENS(MainForm& form)
{
    for (int k = 0; k < MainForm::kSizeCells; ++k) {
        form.Label7[k].caption.clear();
        form.Label7[k].visible = false;
        form.txtnumero[k].text.clear();
        form.txtnumero[k].visible = false;
    }
}
