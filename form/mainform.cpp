#include "form/mainform.h"

#include <QHash>

namespace {

template <class C>
void named(C& c, const char* name)
{
    c.name = QString::fromLatin1(name);
}

}  // namespace

MainForm::MainForm()
{
    caption = QStringLiteral("Etiquetas Orvenna");

    named(Frame4, "Frame4");
    Frame4.caption = QStringLiteral("Selecione o Pedido");
    named(txtarquivo, "txtarquivo");
    txtarquivo.text = QStringLiteral("1400050831");
    named(cmbtipo, "cmbtipo");

    named(Frame2, "Frame2");
    Frame2.visible = false;
    named(txtcliente, "txtcliente");
    named(txtlote, "txtlote");

    named(Frame1, "Frame1");
    Frame1.caption = QStringLiteral("Caixa / Oculta");
    Frame1.move(0, 2520, 8775, 6135);
    named(cmb_referencia, "cmb_referencia");
    for (auto [box, name] : {std::pair{&txtcodigo, "txtcodigo"}, {&txtcor, "txtcor"}, {&txtsemana, "txtsemana"},
                             {&txtbandeira, "txtbandeira"}, {&txtpreco, "txtpreco"}, {&txtdescricao, "txtdescricao"},
                             {&txtpromocao, "txtpromocao"}}) {
        named(*box, name);
        box->locked = true;
    }
    named(Label9, "Label9");
    Label9.caption = QStringLiteral("Promoção");
    named(LBLMERVALK, "LBLMERVALK");
    LBLMERVALK.caption = QStringLiteral("MERVAL K");
    for (int k = 0; k < kSizeCells; ++k) {
        Label7[k].name = QStringLiteral("Label7");
        Label7[k].caption = QString::number(14 + k);
        txtnumero[k].name = QStringLiteral("txtnumero");
        txtnumero[k].locked = true;
    }
    named(TXTPARES, "TXTPARES");
    TXTPARES.locked = true;
    named(Label71, "Label71");
    Label71.caption = QStringLiteral("Total de Pares");
    named(TXTOCULTAS, "TXTOCULTAS");
    named(Label72, "Label72");
    Label72.caption = QStringLiteral("Total de Etiquetas Ocultas");
    named(pctimage, "pctimage");
    pctimage.stretch = true;
    pctimage.move(120, 4200, 1815, 1575);
    named(chkcabecalho, "chkcabecalho");
    chkcabecalho.caption = QStringLiteral("Imprimir Cabeçalho");
    chkcabecalho.visible = false;
    named(txtean13, "txtean13");
    txtean13.visible = false;

    named(Frame3, "Frame3");
    Frame3.caption = QStringLiteral("Corrugado");
    Frame3.visible = false;
    Frame3.move(12000, 0, 8775, 6135);  // designed off-screen; start-up moves it over Frame1
    named(cmb_referencia1, "cmb_referencia1");
    for (auto [box, name] :
         {std::pair{&txtqte1, "txtqte1"}, {&txtcodigo1, "txtcodigo1"}, {&txtfornecedor1, "txtfornecedor1"},
          {&txtcor1, "txtcor1"}, {&txtdescricao1, "txtdescricao1"}, {&txtprepack, "txtprepack"}, {&txtean, "txtean"},
          {&txtgrade1, "txtgrade1"}, {&txtgrade2, "txtgrade2"}, {&txttotgrade, "txttotgrade"},
          {&txtsemana1, "txtsemana1"}, {&txtdestino1, "txtdestino1"}, {&txtvolume, "txtvolume"},
          {&txtdepartamento, "txtdepartamento"}}) {
        named(*box, name);
        box->locked = true;
    }
    named(txtcampanha, "txtcampanha");
    named(txtiniciopromocao, "txtiniciopromocao");
    txtprepack.visible = false;
    txtean.visible = false;
    named(lblean, "lblean");
    lblean.caption = QStringLiteral("Código EAN");
    lblean.visible = false;
    named(Label17, "Label17");
    Label17.caption = QStringLiteral("Início da Promoção");
    named(cmb_vol1, "cmb_vol1");
    named(cmb_vol2, "cmb_vol2");
    named(lblmax, "lblmax");
    lblmax.visible = false;
    named(lsteanpack, "lsteanpack");
    lsteanpack.visible = false;

    named(cmd_printacessorio, "cmd_printacessorio");
    cmd_printacessorio.caption = QStringLiteral("&Imprimir Etiquetas");
    named(cmd_calibra, "cmd_calibra");
    cmd_calibra.caption = QStringLiteral("&Calibrar Etiquetas");
    named(cmd_parametro, "cmd_parametro");
    cmd_parametro.caption = QStringLiteral("&Parâmetro de Impressão");
    named(cmd_sair, "cmd_sair");
    cmd_sair.caption = QStringLiteral("&Sair");
    named(CMBPRINTER, "CMBPRINTER");
    named(Label8, "Label8");
    Label8.caption = QStringLiteral("Impressora");

    const std::pair<Label*, const char*> holders[] = {
        {&lblpath, "lblpath"},
        {&lbljava, "lbljava"},
        {&lblcompartilhamento, "lblcompartilhamento"},
        {&lbloculta, "lbloculta"},
        {&lbllinguagem, "lbllinguagem"},
        {&lblporta, "lblporta"},
        {&LBLPORTAPARELELA, "LBLPORTAPARELELA"},
        {&frentecaixa, "frentecaixa"},
        {&lblprinterdefault, "lblprinterdefault"},
        {&lblbarra, "lblbarra"},
        {&lblmaster, "lblmaster"},
        {&lblpacknovo, "lblpacknovo"},
    };
    for (auto [label, name] : holders) {
        named(*label, name);
        label->visible = false;
    }
    lblpath.caption = QStringLiteral("Label12");
    lbloculta.caption = QStringLiteral("3");
    lbllinguagem.caption = QStringLiteral("Label17");
    lblporta.caption = QStringLiteral("Label17");
    LBLPORTAPARELELA.caption = QStringLiteral("LPT1");
    frentecaixa.caption = QStringLiteral("40_45_2");
    lblpacknovo.caption = QStringLiteral("F");

    named(List1, "List1");
    List1.visible = false;
    named(filelist, "filelist");
    filelist.visible = false;
    named(txtbarra, "txtbarra");
    txtbarra.text = QStringLiteral("Text1");
    txtbarra.visible = false;
    named(cmbintensidade, "cmbintensidade");
    cmbintensidade.visible = false;
    named(cmbvelocidade, "cmbvelocidade");
    cmbvelocidade.visible = false;
    named(pctlogo1, "pctlogo1");
    pctlogo1.visible = false;
    named(pctlogo2, "pctlogo2");
    pctlogo2.visible = false;
}

Control* MainForm::find(const QString& objectName)
{
    Control* all[] = {
        &Frame4, &txtarquivo, &cmbtipo, &Frame2, &txtcliente, &txtlote, &Frame1, &cmb_referencia, &txtcodigo,
        &txtcor, &txtsemana, &txtbandeira, &txtpreco, &txtdescricao, &txtpromocao, &Label9, &LBLMERVALK,
        &TXTPARES, &Label71, &TXTOCULTAS, &Label72, &pctimage, &chkcabecalho, &txtean13, &Frame3,
        &cmb_referencia1, &txtqte1, &txtcodigo1, &txtfornecedor1, &txtcor1, &txtdescricao1, &txtprepack,
        &txtean, &lblean, &txtgrade1, &txtgrade2, &txttotgrade, &txtsemana1, &txtdestino1, &txtvolume,
        &txtcampanha, &txtdepartamento, &txtiniciopromocao, &Label17, &cmb_vol1, &cmb_vol2, &lblmax,
        &lsteanpack, &cmd_printacessorio, &cmd_calibra, &cmd_parametro, &cmd_sair, &CMBPRINTER, &Label8,
        &lblpath, &lbljava, &lblcompartilhamento, &lbloculta, &lbllinguagem, &lblporta, &LBLPORTAPARELELA,
        &frentecaixa, &lblprinterdefault, &lblbarra, &lblmaster, &lblpacknovo, &List1, &filelist, &txtbarra,
        &cmbintensidade, &cmbvelocidade, &pctlogo1, &pctlogo2,
    };
    for (Control* c : all)
        if (c->name == objectName)
            return c;
    return nullptr;
}
