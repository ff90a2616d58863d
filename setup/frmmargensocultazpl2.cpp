#include "setup/frmmargensocultazpl2.h"

#include "labels/product/imprime_acessorio_40_20_2.h"
#include "labels/product/imprime_oculta_40_20_2.h"
#include "labels/product/print_run.h"
#include "platform/vb.h"
#include "setup/margenslayout.h"
#include "setup/teste_margens.h"

using namespace printrun;

MarginDialogLayout layoutMargensOcultaZPL2()
{
    using namespace margenslayout;
    MarginDialogLayout l = base("Calibrar Margens - Etiqueta Oculta - ZPL - 2 Colunas", "Etiqueta 40x20x2 ", 6615,
                                4035, {240, 120, 6135, 3615}, 5175);
    column(l, "Label2", {960, 480, 375, 255}, "Picture1", {360, 840, 1695, 615}, "txtmargem1", {840, 1680, 615, 285},
           ini::kMargemOculta1, 0, "da etiqueta da esquerda");
    column(l, "Label3", {2880, 480, 375, 255}, "Picture2", {2160, 840, 1695, 615}, "txtmargem2",
           {2760, 1680, 615, 285}, ini::kMargemOculta11, 1, "da etiqueta da direita");
    newValueCaption(l, {120, 1680, 735, 375});
    top(l, "Margem Superior", {120, 2280, 1455, 255}, {720, 2520, 735, 285}, ini::kMargemOculta2, 2);
    placeMarginButtons(l, 2880, {120, 2160, 4200}, {1815, 1815, 1815}, 495, {3, 4, 5});
    return l;
}

FrmMargensOcultaZPL2::FrmMargensOcultaZPL2(Program& p) : MarginDialog(p.ws, layoutMargensOcultaZPL2()), p_(p) {}

void FrmMargensOcultaZPL2::testPrint()
{
    MainForm& f = p_.form;
    Globals& g = p_.g;
    if (!testemargens::readyToPrint(p_, *this) ||
        !testemargens::windowShowsType(p_, {QStringLiteral("Oculta"), QStringLiteral("Acessório")}))
        return;
    // The type is read now, not when the dialog opened; one full row either way.
    const bool oculta = f.cmbtipo.text == QStringLiteral("Oculta");
    if (oculta && !testemargens::anySizeFilled(p_))
        return;

    g.coluna_etiqueta = 1;
    PrintRun run(p_, {k40x20Height}, [&] {
        testemargens::marginsFromBoxes(
            p_, *this, {&Globals::margem_oculta_col1, &Globals::margem_oculta_col2, &Globals::margem_oculta_topo});
    });
    if (!run.began())
        return;
    g.coluna_etiqueta = 1;

    UnprintedLabels& unprinted = run.unprinted();
    const QString item = QStringLiteral("item ") + vb::Trim(f.txtcodigo.text);
    if (oculta) {
        const int i = testemargens::firstPrintableSize(p_, unprinted);
        if (i >= 0)
            layoutCall(unprinted, sizeLabel(f.Label7[i].caption), f.lblbarra.caption, [&] {
                Imprime_Oculta_40_20_2(p_, g.codigo_marca, vb::Trim(f.txtdescricao.text),
                                       vb::Right(f.txtcodigo.text, 3), QString(f.lblmaster.caption),
                                       QString(f.lblbarra.caption), QString(f.Label7[i].caption), 2,
                                       vb::Trim(f.txtcor.text));
            });
    } else if (vb::Trim(f.lblbarra.caption).isEmpty()) {
        unprinted.append({item, QString(), why::noItemEan()});
    } else {
        layoutCall(unprinted, item, f.lblbarra.caption, [&] {
            Imprime_Acessorio_40_20_2(p_, g.codigo_marca, vb::Trim(f.txtdescricao.text) + u' ' + vb::Trim(f.txtcor.text),
                                      vb::Right(f.txtcodigo.text, 3), QString(f.txtcodigo.text),
                                      QString(f.lblbarra.caption), QString(f.TXTPARES.text), QString(f.txtpreco.text),
                                      2, QString(f.txtbandeira.text), QString(f.txtsemana.text),
                                      QString(f.txtpromocao.text));
        });
    }
}
