#include "setup/frmmargenscxzpl45.h"

#include "labels/product/imprime_40_45_2.h"
#include "labels/product/print_run.h"
#include "platform/vb.h"
#include "setup/margenslayout.h"
#include "setup/teste_margens.h"

using namespace printrun;

MarginDialogLayout layoutMargensCxZPL45()
{
    using namespace margenslayout;
    MarginDialogLayout l = base("Calibrar Margens - Etiqueta Frente de Caixa - ZPL", "Etiqueta 45X40X2", 6810, 5100,
                                {240, 120, 6495, 4815}, 4335);
    column(l, "Label2", {1320, 480, 375, 255}, "Picture1", {360, 840, 2175, 1695}, "txtmargem1",
           {1080, 2880, 615, 285}, ini::kMx4045_1, 0, "da etiqueta da esquerda");
    column(l, "Label3", {3720, 480, 375, 255}, "Picture2", {2760, 840, 2175, 1695}, "txtmargem2",
           {3480, 2880, 615, 285}, ini::kMx4045_2, 1, "da etiqueta da direita");
    newValueCaption(l, {120, 2760, 735, 375});
    // The top margin's caption reads "Margem Esquerda"; a message names both.
    top(l, "Margem Esquerda", {120, 3240, 1455, 255}, {1080, 3480, 615, 285}, ini::kMx4045, 2,
        "superior (caixa \"Margem Esquerda\")");
    placeMarginButtons(l, 3960, {120, 2160, 4200}, {1815, 1815, 1815}, 495, {3, 4, 5});
    return l;
}

FrmMargensCxZPL45::FrmMargensCxZPL45(Program& p) : MarginDialog(p.ws, layoutMargensCxZPL45()), p_(p) {}

void FrmMargensCxZPL45::testPrint()
{
    MainForm& f = p_.form;
    Globals& g = p_.g;
    if (!testemargens::readyToPrint(p_, *this))
        return;
    g.coluna_etiqueta = 1;
    // The main window may have moved to another label type since the dialog opened.
    if (!testemargens::windowShowsType(p_, {QStringLiteral("Frente de Caixa")}))
        return;
    if (!logosPresent(p_))
        return;
    if (!testemargens::anySizeFilled(p_))
        return;
    if (vb::Trim(f.txtdescricao.text).isEmpty())
        showSelectItem(p_);
    g.coluna_etiqueta = 1;

    PrintRun run(p_, {kBoxFrontHeight}, [&] {
        testemargens::marginsFromBoxes(
            p_, *this, {&Globals::margem_caixa_col1, &Globals::margem_caixa_col2, &Globals::margem_caixa_topo});
    });
    if (!run.began())
        return;

    UnprintedLabels& unprinted = run.unprinted();
    const int i = testemargens::firstPrintableSize(p_, unprinted);
    if (i >= 0) {
        if (vb::Trim(f.txtpreco.text).isEmpty())
            f.txtpreco.text = QStringLiteral("0,00");
        // One full row, whatever the cell's quantity.
        layoutCall(unprinted, sizeLabel(f.Label7[i].caption), f.lblbarra.caption, [&] {
            Imprime_40_45_2(p_, g.codigo_marca, vb::Trim(f.txtdescricao.text), vb::Trim(f.txtcor.text),
                            vb::Right(f.txtcodigo.text, 3), QString(f.lblmaster.caption), QString(f.lblbarra.caption),
                            QString(f.Label7[i].caption), QString(f.txtpreco.text), 2, vb::Trim(f.txtpromocao.text),
                            vb::Trim(f.txtsemana.text), QString(f.txtbandeira.text));
        });
    }
}
