#include "labels/product/cmd_printacessorio.h"

#include "form/grid.h"
#include "labels/product/imprime_40_45_2.h"
#include "labels/product/imprime_acessorio_40_20_2.h"
#include "labels/product/imprime_cabecalho.h"
#include "labels/product/imprime_oculta_40_20_2.h"
#include "labels/product/print_paths.h"
#include "labels/product/print_run.h"
#include "labels/product/run_steps.h"
#include "orders/carrega_corrugado.h"
#include "orders/carrega_gradeFc.h"
#include "orders/carrega_grade_Acessorio.h"
#include "orders/ret_codcomplemento.h"
#include "platform/vb.h"

#include <QStringBuilder>

using namespace printrun;

namespace {

enum class SizeLayout { BoxFront, Hidden };

const QString kSemPreco = QStringLiteral("0,00");

// The filled size cells in grid order, one layout call each. A filled size that prints nothing
// goes into unprinted with its reason, so the message after the run names every one. False when
// a size without its codes, or a printer that lost the document, stopped the run.
bool printSizes(Program& p, SizeLayout layout, UnprintedLabels& unprinted)
{
    MainForm& f = p.form;
    Globals& g = p.g;
    const bool hidden = layout == SizeLayout::Hidden;
    for (int i = 0; i < MainForm::kSizeCells; ++i) {
        if (documentFailed(p))
            return false;
        const QString typed = f.txtnumero[i].text;
        if (vb::Trim(typed).isEmpty())
            continue;
        const QString tamanho = f.Label7[i].caption;
        const QString label = sizeLabel(tamanho);
        // A quantity 0 asks for nothing: such a cell is never named.
        const bool asks = asksForLabels(typed, hidden);
        tryStep([&] { ret_codcomplemento(p, tamanho); });
        if (!hidden) {
            if (f.lblbarra.caption.isEmpty()) {
                if (asks)
                    unprinted.append({label, QString(), missingCodesReason(p, tamanho)});
                continue;
            }
            if (vb::Trim(f.txtpreco.text).isEmpty())
                f.txtpreco.text = kSemPreco;
        }
        if (vb::Trim(f.lblmaster.caption).isEmpty() || vb::Trim(f.lblbarra.caption).isEmpty()) {
            p.ws.messages.show(QStringLiteral("Erro - 1012 - Código Master - Contate Suporte "));
            if (asks)
                unprinted.append({label, vb::Trim(f.lblbarra.caption), missingCodesReason(p, tamanho)});
            noteCellsAfterStop(p, i + 1, hidden, unprinted);
            return false;
        }
        const QString master = f.lblmaster.caption, barra = f.lblbarra.caption;
        // A quantity that is no whole number up to 32767 (hidden: twice it) drops this call; a
        // negative one reaches the layout, which prints nothing. Either is named.
        const std::optional<int16_t> qte = countNotingWhy(unprinted, label, barra, typed, hidden);
        if (!qte)
            continue;
        layoutCall(unprinted, label, barra, [&] {
            const QString referencia = vb::Right(f.txtcodigo.text, 3);
            if (!hidden)
                Imprime_40_45_2(p, g.codigo_marca, QString(f.txtdescricao.text), vb::Trim(f.txtcor.text), referencia,
                                master, barra, tamanho, QString(f.txtpreco.text), *qte, QString(f.txtpromocao.text),
                                QString(f.txtsemana.text), QString(f.txtbandeira.text));
            else
                Imprime_Oculta_40_20_2(p, g.codigo_marca, vb::Trim(f.txtdescricao.text), referencia, master, barra,
                                       tamanho, *qte, QString(f.txtcor.text));
        });
    }
    return true;
}

bool printBoxFront(Program& p)
{
    MainForm& f = p.form;
    Globals& g = p.g;
    if (!colourAccepted(p, f.txtcor.text) || !logosPresent(p))
        return false;
    if (vb::Trim(f.txtdescricao.text).isEmpty())
        showSelectItem(p);
    g.coluna_etiqueta = 1;
    // The height set before the user paper stays in force: every page is one 40 x 45 row.
    PrintRun run(p, {kBoxFrontHeight, true}, [&] { readMargins(p, kBoxFrontMargins); });
    if (!run.began())
        return false;
    if (f.Frame2.visible)
        tryStep([&] { Imprime_CabecAlho(p, QStringLiteral("FC")); });
    g.coluna_etiqueta = 1;
    // Also after the 1012 stop the run ends: the labels drawn so far are printed and the default
    // printer comes back, rather than a job left open on the chosen printer.
    return printSizes(p, SizeLayout::BoxFront, run.unprinted());
}

bool printHidden(Program& p)
{
    MainForm& f = p.form;
    Globals& g = p.g;
    if (!colourAccepted(p, f.txtcor.text))
        return false;
    if (vb::Trim(f.TXTOCULTAS.text).isEmpty()) {
        p.ws.messages.show(QStringLiteral("Quantidade de Etiquetas Ocultas - Inválida"), mb::OKOnly | mb::Exclamation);
        return false;
    }
    g.coluna_etiqueta = 1;
    PrintRun run(p, {k40x20Height}, [&] { readMargins(p, kHiddenMargins); });
    if (!run.began())
        return false;
    if (f.Frame2.visible)
        tryStep([&] { Imprime_CabecAlho(p, QStringLiteral("OCULTA")); });
    return printSizes(p, SizeLayout::Hidden, run.unprinted());
}

bool printAccessory(Program& p)
{
    MainForm& f = p.form;
    Globals& g = p.g;
    if (!logosPresent(p))
        return false;
    if (vb::Trim(f.txtdescricao.text).isEmpty())
        showSelectItem(p);
    g.coluna_etiqueta = 1;
    PrintRun run(p, {k40x20Height}, [&] { readMargins(p, kHiddenMargins); });
    if (!run.began())
        return false;
    if (vb::Trim(f.txtpreco.text).isEmpty())
        f.txtpreco.text = kSemPreco;
    UnprintedLabels& unprinted = run.unprinted();
    const QString item = QStringLiteral("item ") + vb::Trim(f.txtcodigo.text);
    // A total that is no whole number up to 32767 drops the only call; the empty document still ends.
    const std::optional<int16_t> qte = countNotingWhy(unprinted, item, f.lblbarra.caption, f.TXTPARES.text, false, true);
    if (qte && *qte > 0 && vb::Trim(f.lblbarra.caption).isEmpty())
        unprinted.append({item, QString(), why::noItemEan()});
    else if (qte)
        layoutCall(unprinted, item, f.lblbarra.caption, [&] {
            // Built at its exact size: appending to a long description would reserve half as much again.
            const QString descricao = vb::Trim(f.txtdescricao.text) % u' ' % vb::Trim(f.txtcor.text);
            Imprime_Acessorio_40_20_2(p, g.codigo_marca, descricao,
                                      vb::Right(f.txtcodigo.text, 3), QString(f.txtcodigo.text),
                                      QString(f.lblbarra.caption), QString(f.TXTPARES.text), QString(f.txtpreco.text),
                                      *qte, QString(f.txtbandeira.text), QString(f.txtsemana.text),
                                      QString(f.txtpromocao.text));
        });
    return true;
}

// Removes one entry from a list, keeping its selection on the same entry.
void removeEntry(ListBox& list, int index)
{
    if (index < 0 || index >= list.listCount())
        vberr::raise(vberr::InvalidCall, QStringLiteral("ListBox"));
    list.items.removeAt(index);
    if (list.listIndex == index)
        list.listIndex = -1;
    else if (list.listIndex > index)
        --list.listIndex;
}

}  // namespace

void confirma_impressao(Program& p)
{
    MainForm& f = p.form;
    if (p.ws.messages.show(QStringLiteral("A Impressão está OK"), mb::YesNo | mb::Question) != mb::Yes)
        return;
    tryStep([&] { limpa_objetos(p); });
    const bool carton = f.cmbtipo.text == QStringLiteral("Corrugado");
    ComboBox& references = carton ? f.cmb_referencia1 : f.cmb_referencia;
    const int chosen = references.listIndex;
    if (chosen < 0)
        return;
    tryStep([&] {
        removeEntry(references, chosen);
        references.text.clear();
    });
    tryStep([&] { removeEntry(f.List1, chosen); });
    if (references.listCount() > 0) {
        tryStep([&] { references.setListIndex(0); });
        if (f.List1.listCount() > 0)
            f.List1.listIndex = 0;
    }
    if (vb::Trim(references.text).isEmpty())
        return;
    tryStep([&] {
        if (carton) {
            carrega_corrugado(p);
        } else if (f.Frame1.caption == QStringLiteral("Acessório")) {
            carrega_grade_Acessorio(p);
            oculta_objetos(f);
        } else if (f.Frame1.caption != QStringLiteral("Corrugado")) {
            carrega_gradeFc(p);
            oculta_objetos(f);
        }
    });
}

void cmd_printacessorio_Click(Program& p, const CloseMarginDialog& closeDialog)
{
    MainForm& f = p.form;
    // A print asked for while one runs (a queued event, a key repeated) is no second run.
    if (beside::Run::inProgress())
        return;
    if (closeDialog)
        for (const QString& dialog : kPrintClosesDialogs)
            tryStep([&] { closeDialog(p, dialog); });
    f.txtbarra.text.clear();
    f.impressao_ok = true;

    bool complete = true;
    if (!f.Frame1.visible) {
        complete = printCartonPath(p);
    } else {
        if (vb::Trim(f.txtcodigo.text).isEmpty()) {
            showInvalidCode(p);
            return;
        }
        const QString& tipo = f.cmbtipo.text;
        if (tipo == QStringLiteral("Frente de Caixa100x40"))
            complete = print100x40Branch(p);
        else if (tipo == QStringLiteral("Frente de Caixa"))
            complete = printBoxFront(p);
        else if (tipo == QStringLiteral("Oculta"))
            complete = printHidden(p);
        else if (tipo == QStringLiteral("Acessório"))
            complete = printAccessory(p);
    }
    // Nothing sets impressao_ok False, so a run never asks this.
    if (complete && !f.impressao_ok)
        confirma_impressao(p);
}
