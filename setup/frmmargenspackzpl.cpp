#include "setup/frmmargenspackzpl.h"

#include "labels/pack/etipack.h"
#include "labels/pack/novo_etipack.h"
#include "labels/product/print_run.h"
#include "platform/vb.h"
#include "setup/margenslayout.h"
#include "setup/teste_margens.h"

using namespace printrun;

MarginDialogLayout layoutMargensPackZPL()
{
    using namespace margenslayout;
    MarginDialogLayout l = base("Calibrar Margens - Etiqueta Corrugada - ZPL", "Etiqueta 100x140x1", 6810, 5100,
                                {240, 120, 6495, 4815}, 4335);
    column(l, "Label2", {2880, 480, 375, 255}, "Picture1", {360, 720, 5655, 2415}, "txtmargem1",
           {2640, 3360, 615, 285}, ini::kPackX, 0, "esquerda");
    l.labels.push_back(marginCaption("Label5", QStringLiteral("Novo Valor"), 1200, 3360, 1095, 255));
    top(l, "Margem Superior", {1200, 3720, 1455, 255}, {2640, 3720, 615, 285}, ini::kPackY, 1);
    placeMarginButtons(l, 4200, {120, 2160, 4200}, {1815, 1815, 1815}, 495, {2, 3, 4});
    return l;
}

FrmMargensPackZPL::FrmMargensPackZPL(Program& p) : MarginDialog(p.ws, layoutMargensPackZPL()), p_(p) {}

void FrmMargensPackZPL::testPrint()
{
    MainForm& f = p_.form;
    Globals& g = p_.g;
    if (!testemargens::readyToPrint(p_, *this) || !testemargens::windowShowsType(p_, {QStringLiteral("Corrugado")}) ||
        !corrugadoTemVolumes(p_))
        return;

    PrintRun run(p_, {kCartonHeight},
                 [&] { testemargens::marginsFromBoxes(p_, *this, {&Globals::margem_pack_x, &Globals::margem_pack_y}); });
    if (!run.began())
        return;

    // The first volume twice: one page, whatever the last volume says. A volume that is no
    // number drops the layout; the document still ends.
    tryStep([&] {
        const int16_t inicio = vb::CInt(f.cmb_vol1.text);
        const int16_t fim = vb::CInt(f.cmb_vol1.text);
        QString cd = f.txtdestino1.text;
        if (f.lblpacknovo.caption == QStringLiteral("F")) {
            QString fornecedor = f.txtfornecedor1.text;
            QString descricao = f.txtdescricao1.text;
            QString codigo = f.txtprepack.text;
            EtiPack(p_, g.codigo_marca, cd, QString(f.txtarquivo.text), QString(f.txtcodigo1.text), fornecedor,
                    descricao, QString(f.txtcor1.text), codigo, QString(f.txtgrade1.text), QString(f.txtgrade2.text),
                    QString(f.txttotgrade.text), inicio, fim, QString(f.txtsemana1.text));
        } else {
            QString codigo = f.txtean.text;
            Novo_EtiPack(p_, g.codigo_marca, cd, QString(f.txtarquivo.text), QString(f.txtcodigo1.text),
                         QString(f.txtfornecedor1.text), QString(f.txtdescricao1.text), QString(f.txtcor1.text),
                         codigo, QString(f.txtgrade1.text), QString(f.txtgrade2.text), QString(f.txttotgrade.text),
                         inicio, fim, QString(f.txtsemana1.text));
        }
    });
}
