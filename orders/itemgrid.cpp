#include "orders/itemgrid.h"

#include "platform/vb.h"

int firstFreeCell(const MainForm& form)
{
    for (int k = 0; k < MainForm::kSizeCells; ++k)
        if (vb::Trim(form.Label7[k].caption).isEmpty())
            return k;
    return -1;
}

void warnGridFull(Program& p)
{
    p.ws.messages.show(QStringLiteral("Erro ao Preencher Dados.. Contate a Pendrova e comunique o Erro no Pedido ") +
                           p.form.txtarquivo.text,
                       mb::Exclamation);
}
