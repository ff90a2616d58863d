#include "orders/itemgrid.h"

#include "platform/vb.h"

int firstFreeCell(const MainForm& form)
{
    for (int k = 0; k < MainForm::kSizeCells; ++k)
        if (vb::Trim(form.Label7[k].caption).isEmpty())
            return k;
    return -1;
}

void warnGridFull(Program& p, int linesLeftOut)
{
    if (linesLeftOut <= 0) {
        p.g.toldGridFull.reset();
        return;
    }
    const MainForm& f = p.form;
    const QString text =
        QStringLiteral("Erro ao Preencher Dados.. Contate a Pendrova e comunique o Erro no Pedido ") +
        f.txtarquivo.text + QStringLiteral("\n%1 linha(s) do item ficaram fora da grade de %2 tamanhos.")
                                .arg(linesLeftOut)
                                .arg(MainForm::kSizeCells);
    const QString told = f.cmb_referencia.text + u'\n' + QString::number(f.List1.listCount()) + u'\n' + text;
    if (p.g.toldGridFull == told)
        return;
    p.g.toldGridFull = told;
    p.ws.messages.show(text, mb::Exclamation);
}
