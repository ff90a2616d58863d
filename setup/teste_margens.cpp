#include "setup/teste_margens.h"

#include "orders/ret_codcomplemento.h"
#include "platform/messages.h"
#include "platform/vb.h"

namespace testemargens {

bool readyToPrint(Program& p, MarginDialog& dialog)
{
    for (MarginBox& b : dialog.boxes()) {
        if (!vb::Trim(b.box.text).isEmpty())
            continue;
        tryStep([&] { p.ws.messages.show(QStringLiteral("Informe a Margem...")); });
        dialog.focusRequest = &b.box;
        return false;
    }
    if (!dialog.boxesHoldNumbers())
        return false;
    if (!p.form.cmd_printacessorio.visible) {
        tryStep([&] {
            p.ws.messages.show(QStringLiteral("O pedido ") + vb::Trim(p.form.txtarquivo.text) +
                                   QStringLiteral(" não tem itens carregados na janela principal: a Impressão de "
                                                  "Teste não foi feita."),
                               mb::Exclamation);
        });
        return false;
    }
    return true;
}

void marginsFromBoxes(Program& p, MarginDialog& dialog, std::initializer_list<float Globals::*> variables)
{
    auto box = dialog.boxes().begin();
    for (float Globals::*variable : variables) {
        if (box == dialog.boxes().end())
            break;
        const QString text = box->box.text;
        tryStep([&] { p.g.*variable = vb::CSng(text); });
        ++box;
    }
}

bool windowShowsType(Program& p, const QStringList& tipos)
{
    if (tipos.contains(p.form.cmbtipo.text))
        return true;
    tryStep([&] {
        p.ws.messages.show(QStringLiteral("Esta calibragem é da etiqueta ") + tipos.join(QStringLiteral(" ou ")) +
                               QStringLiteral(", e a janela principal mostra o Tipo \"") + p.form.cmbtipo.text +
                               QStringLiteral("\": a Impressão de Teste não foi feita."),
                           mb::Exclamation);
    });
    return false;
}

bool anySizeFilled(Program& p)
{
    for (int i = 0; i < MainForm::kSizeCells; ++i)
        if (!vb::Trim(p.form.txtnumero[i].text).isEmpty())
            return true;
    tryStep([&] {
        p.ws.messages.show(QStringLiteral("Nenhum tamanho da grade tem quantidade: a Impressão de Teste não foi feita."),
                           mb::Exclamation);
    });
    return false;
}

int firstPrintableSize(Program& p, printrun::UnprintedLabels& unprinted)
{
    MainForm& f = p.form;
    // One row is enough for a test: a size without codes is passed over, and named only when
    // no size is left to print.
    printrun::UnprintedLabels passedOver;
    for (int i = 0; i < MainForm::kSizeCells; ++i) {
        if (vb::Trim(f.txtnumero[i].text).isEmpty())
            continue;
        tryStep([&] { ret_codcomplemento(p, f.Label7[i].caption); });
        if (!f.lblbarra.caption.isEmpty())
            return i;
        passedOver.append({printrun::sizeLabel(f.Label7[i].caption), QString(),
                           printrun::missingCodesReason(p, f.Label7[i].caption)});
    }
    unprinted += passedOver;
    return -1;
}

}  // namespace testemargens
