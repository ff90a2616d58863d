#include "labels/product/print_paths.h"

#include "labels/pack/etipack.h"
#include "labels/pack/novo_etipack.h"
#include "labels/product/eti100_40_1.h"
#include "labels/product/print_run.h"
#include "labels/product/run_steps.h"
#include "orders/ret_codcomplemento.h"
#include "platform/vb.h"

using namespace printrun;

bool printCartonPath(Program& p)
{
    MainForm& f = p.form;
    Globals& g = p.g;
    if (!colourAccepted(p, QString(f.txtcor1.text)))
        return false;
    if (vb::Trim(f.txtdescricao1.text).isEmpty()) {
        showSelectItem(p);
        return false;
    }
    if (vb::Trim(f.txtcodigo1.text).isEmpty()) {
        showInvalidCode(p);
        return false;
    }
    if (!corrugadoTemVolumes(p))
        return false;
    PrintRun run(p, {kCartonHeight}, [&] { readMargins(p, kPackMargins); });
    if (!run.began())
        return false;

    // A volume text that is no 16-bit number drops the call: nothing printed, the run still ends.
    tryStep([&] {
        const int16_t inicio = vb::CInt(f.cmb_vol1.text);
        int16_t fim = vb::CInt(f.cmb_vol2.text);
        if (inicio > fim)
            fim = inicio;
        // Each call works on copies; the window's fields stay as they are.
        QString cd = f.txtdestino1.text, pedido = f.txtarquivo.text, master = f.txtcodigo1.text;
        QString fornecedor = f.txtfornecedor1.text, descricao = f.txtdescricao1.text, cor = f.txtcor1.text;
        QString grade = f.txtgrade1.text, qte = f.txtgrade2.text, total = f.txttotgrade.text;
        QString semana = f.txtsemana1.text;
        if (f.pack_novo) {
            QString codigo = f.txtean.text;
            Novo_EtiPack(p, g.codigo_marca, cd, pedido, master, fornecedor, descricao, cor, codigo, grade, qte, total,
                         inicio, fim, semana);
        } else {
            QString codigo = f.txtean.visible ? f.txtean.text : f.txtprepack.text;
            EtiPack(p, g.codigo_marca, cd, pedido, master, fornecedor, descricao, cor, codigo, grade, qte, total,
                    inicio, fim, semana);
        }
    });
    return true;
}

bool print100x40Branch(Program& p)
{
    MainForm& f = p.form;
    Globals& g = p.g;
    if (!colourAccepted(p, f.txtcor.text))
        return false;
    if (vb::Trim(f.txtdescricao.text).isEmpty()) {
        showSelectItem(p);
        return false;
    }
    if (!logosPresent(p))
        return false;
    // The label's own height, so a page left by an earlier run (20 mm hidden labels) cuts nothing.
    PrintRun run(p, {k100x40Height}, [&] {
        // Fixed places: this layout has no margin dialog and reads no settings.
        g.margem_oculta_col1 = 3;
        g.margem_oculta_col2 = 45;
        g.margem_oculta_topo = 3;
        g.origem_x = 0;
        g.origem_y = 0;
    });
    if (!run.began())
        return false;
    UnprintedLabels& unprinted = run.unprinted();
    for (int i = 0; i < MainForm::kSizeCells && !documentFailed(p); ++i) {
        const QString typed = f.txtnumero[i].text;
        if (vb::Trim(typed).isEmpty())
            continue;
        const QString label = sizeLabel(f.Label7[i].caption);
        tryStep([&] { ret_codcomplemento(p, f.Label7[i].caption); });
        if (f.lblbarra.caption.isEmpty()) {
            if (asksForLabels(typed, false))
                unprinted.append({label, QString(), missingCodesReason(p, f.Label7[i].caption)});
            continue;
        }
        if (vb::Trim(f.txtpreco.text).isEmpty())
            f.txtpreco.text = QStringLiteral("0,00");
        const std::optional<int16_t> qte = countNotingWhy(unprinted, label, f.lblbarra.caption, typed, false);
        if (!qte)
            continue;
        layoutCall(unprinted, label, f.lblbarra.caption, [&] {
            Eti100_40_1(p, g.codigo_marca, vb::Trim(f.txtdescricao.text) + u' ' + vb::Trim(f.txtcor.text),
                        vb::Right(f.txtcodigo.text, 3), QString(f.txtcodigo.text), QString(f.lblbarra.caption),
                        QString(f.Label7[i].caption), QString(f.txtpreco.text), *qte);
        });
    }
    return true;
}
