#include "form/mainform.h"

#include <tuple>

namespace {

template <class C>
void named(C& c, const char* name)
{
    c.name = QString::fromLatin1(name);
}

// Where a control sits (twips, in its container) and its place in the keyboard order.
void place(Control& c, const char* container, int left, int top, int width, int height, int tab = -1)
{
    c.container = QString::fromLatin1(container);
    c.move(left, top, width, height);
    c.tabIndex = tab;
}

// The design of the window: the panels, the buttons, the printer list, the product picture and
// the size grid where they sit on the original window, and rows of caption over field elsewhere. Text fields are 405 twips high, lists 360, captions 255.
constexpr int kField = 405;
constexpr int kList = 360;
constexpr int kCaption = 255;

}  // namespace

MainForm::MainForm()
{
    caption = QStringLiteral("Etiquetas Orvenna");

    named(Frame4, "Frame4");
    Frame4.caption = QStringLiteral("Selecione o Pedido");
    place(Frame4, "", 3360, 240, 5655, 1095);
    named(txtarquivo, "txtarquivo");
    txtarquivo.text = QStringLiteral("1400050831");
    place(txtarquivo, "Frame4", 120, 555, 1815, kField, 1);
    named(cmbtipo, "cmbtipo");
    place(cmbtipo, "Frame4", 2040, 555, 3495, kList, 2);

    named(Frame2, "Frame2");
    Frame2.visible = false;
    place(Frame2, "", 3360, 1320, 5655, 1095);
    named(txtcliente, "txtcliente");
    place(txtcliente, "Frame2", 120, 495, 3975, kField, 3);
    named(txtlote, "txtlote");
    place(txtlote, "Frame2", 4200, 495, 1335, kField, 0);
    txtlote.alignment = Alignment::Right;

    named(Frame1, "Frame1");
    Frame1.caption = QStringLiteral("Caixa / Oculta");
    place(Frame1, "", 0, 2520, 8775, 6135);
    struct Spot {
        int left, top, width;
    };
    named(cmb_referencia, "cmb_referencia");
    place(cmb_referencia, "Frame1", 120, 555, 6375, kList, 4);
    // Cod.Master, Cor, Semana, Faixa and Preço in one row; Descrição and Promoção below.
    const std::tuple<TextBox*, const char*, Spot> item[] = {
        {&txtcodigo, "txtcodigo", {120, 1290, 1455}},       {&txtcor, "txtcor", {1680, 1290, 2655}},
        {&txtsemana, "txtsemana", {4440, 1290, 1095}},      {&txtbandeira, "txtbandeira", {5640, 1290, 1335}},
        {&txtpreco, "txtpreco", {7080, 1290, 1575}},        {&txtdescricao, "txtdescricao", {120, 2025, 5655}},
        {&txtpromocao, "txtpromocao", {5880, 2025, 2775}},
    };
    int tab = 5;
    for (auto [box, name, at] : item) {
        named(*box, name);
        box->locked = true;
        place(*box, "Frame1", at.left, at.top, at.width, kField, tab++);
    }
    named(Label9, "Label9");
    Label9.caption = QStringLiteral("Promoção");
    place(Label9, "Frame1", 5880, 1770, 2775, kCaption);
    named(LBLMERVALK, "LBLMERVALK");
    LBLMERVALK.caption = QStringLiteral("MERVAL K");
    place(LBLMERVALK, "Frame1", 6600, 555, 2055, kList);
    for (int k = 0; k < kSizeCells; ++k) {
        const int column = k % 7, row = k / 7;
        Label7[k].name = QStringLiteral("Label7");
        Label7[k].caption = QString::number(14 + k);
        place(Label7[k], "Frame1", k == 0 ? 855 : 840 + 720 * column, row == 0 ? 2520 : 3240, 615, kCaption);
        Label7[k].alignment = Alignment::Center;
        txtnumero[k].name = QStringLiteral("txtnumero");
        txtnumero[k].locked = true;
        place(txtnumero[k], "Frame1", 840 + 720 * column, row == 0 ? 2760 : 3480, 615, 420, 31 + k);
        txtnumero[k].alignment = Alignment::Right;
    }
    named(TXTPARES, "TXTPARES");
    TXTPARES.locked = true;
    place(TXTPARES, "Frame1", 2160, 4455, 1455, 420, 45);
    TXTPARES.alignment = Alignment::Right;
    named(Label71, "Label71");
    Label71.caption = QStringLiteral("Total de Pares");
    place(Label71, "Frame1", 2160, 4200, 3255, kCaption);
    named(TXTOCULTAS, "TXTOCULTAS");
    place(TXTOCULTAS, "Frame1", 2160, 5295, 1455, 420, 46);
    TXTOCULTAS.alignment = Alignment::Right;
    named(Label72, "Label72");
    Label72.caption = QStringLiteral("Total de Etiquetas Ocultas");
    place(Label72, "Frame1", 2160, 5040, 3255, kCaption);
    named(pctimage, "pctimage");
    pctimage.stretch = true;
    place(pctimage, "Frame1", 120, 4200, 1815, 1575);
    named(chkcabecalho, "chkcabecalho");
    chkcabecalho.caption = QStringLiteral("Imprimir Cabeçalho");
    chkcabecalho.visible = false;
    place(chkcabecalho, "Frame1", 5640, 4200, 2415, kCaption);
    named(txtean13, "txtean13");
    txtean13.visible = false;
    place(txtean13, "Frame1", 5640, 4560, 1815, kField);

    named(Frame3, "Frame3");
    Frame3.caption = QStringLiteral("Corrugado");
    Frame3.visible = false;
    place(Frame3, "", 12000, 0, 8775, 6135);  // designed off-screen; start-up moves it over Frame1
    Frame3.font = {QStringLiteral("MS Sans Serif"), 8.25, true};
    named(cmb_referencia1, "cmb_referencia1");
    place(cmb_referencia1, "Frame3", 120, 555, 6375, kList, 12);
    // In keyboard order, which follows the rows: Qte; Cod.Master, Cor, Semana, Destino; Descrição,
    // Fornecedor; the two grade lines, Total/Grade, Volume; Código EAN, Código Pré Pack.
    const std::tuple<TextBox*, const char*, Spot> carton[] = {
        {&txtqte1, "txtqte1", {6600, 555, 2055}},
        {&txtcodigo1, "txtcodigo1", {120, 1290, 1455}},
        {&txtcor1, "txtcor1", {1680, 1290, 2655}},
        {&txtsemana1, "txtsemana1", {4440, 1290, 1695}},
        {&txtdestino1, "txtdestino1", {6240, 1290, 2415}},
        {&txtdescricao1, "txtdescricao1", {120, 2025, 5055}},
        {&txtfornecedor1, "txtfornecedor1", {5280, 2025, 3375}},
        {&txtgrade1, "txtgrade1", {120, 2760, 5055}},
        {&txtgrade2, "txtgrade2", {120, 3165, 5055}},
        {&txttotgrade, "txttotgrade", {5280, 2760, 1335}},
        {&txtvolume, "txtvolume", {6720, 2760, 1935}},
        {&txtean, "txtean", {120, 3975, 2535}},
        {&txtprepack, "txtprepack", {2760, 3975, 2535}},
    };
    tab = 13;
    for (auto [box, name, at] : carton) {
        named(*box, name);
        box->locked = true;
        place(*box, "Frame3", at.left, at.top, at.width, kField, tab++);
    }
    named(cmb_vol1, "cmb_vol1");
    place(cmb_vol1, "Frame3", 5400, 3975, 1575, kList, 26);
    named(cmb_vol2, "cmb_vol2");
    place(cmb_vol2, "Frame3", 7080, 3975, 1575, kList, 27);
    named(txtcampanha, "txtcampanha");
    place(txtcampanha, "Frame3", 120, 4710, 3375, kField, 28);
    named(txtdepartamento, "txtdepartamento");
    txtdepartamento.locked = true;
    place(txtdepartamento, "Frame3", 3600, 4710, 2535, kField, 29);
    named(txtiniciopromocao, "txtiniciopromocao");
    place(txtiniciopromocao, "Frame3", 6240, 4710, 2415, kField, 30);
    txtprepack.visible = false;
    txtean.visible = false;
    named(lblean, "lblean");
    lblean.caption = QStringLiteral("Código EAN");
    lblean.visible = false;
    place(lblean, "Frame3", 120, 3720, 2535, kCaption);
    named(Label17, "Label17");
    Label17.caption = QStringLiteral("Início da Promoção");
    place(Label17, "Frame3", 6240, 4455, 2415, kCaption);
    named(lblmax, "lblmax");
    lblmax.visible = false;
    place(lblmax, "Frame3", 120, 5400, 1215, kCaption);
    named(lsteanpack, "lsteanpack");
    lsteanpack.visible = false;
    place(lsteanpack, "Frame3", 1440, 5280, 3375, 645);

    named(cmd_printacessorio, "cmd_printacessorio");
    cmd_printacessorio.caption = QStringLiteral("&Imprimir Etiquetas");
    place(cmd_printacessorio, "", 8880, 4200, 1815, 735, 47);
    named(cmd_calibra, "cmd_calibra");
    cmd_calibra.caption = QStringLiteral("&Calibrar Etiquetas");
    place(cmd_calibra, "", 8880, 5280, 1815, 615, 48);
    named(cmd_parametro, "cmd_parametro");
    cmd_parametro.caption = QStringLiteral("&Parâmetro de Impressão");
    place(cmd_parametro, "", 8880, 6240, 1815, 615, 49);
    named(cmd_sair, "cmd_sair");
    cmd_sair.caption = QStringLiteral("&Sair");
    place(cmd_sair, "", 8880, 7800, 1815, 735, 50);
    named(CMBPRINTER, "CMBPRINTER");
    place(CMBPRINTER, "", 120, 8880, 8655, 315, 51);
    named(Label8, "Label8");
    Label8.caption = QStringLiteral("Impressora");
    place(Label8, "", 120, 8655, 1815, 225);

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
    // The holders lie below the visible area, one row of them.
    int holderLeft = 120;
    for (auto [label, name] : holders) {
        named(*label, name);
        label->visible = false;
        place(*label, "", holderLeft, 10320, 1215, kCaption);
        holderLeft += 1320;
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
    place(List1, "", 120, 10800, 1815, 645);
    named(filelist, "filelist");
    filelist.visible = false;
    place(filelist, "", 2040, 10800, 1815, 645);
    named(txtbarra, "txtbarra");
    txtbarra.text = QStringLiteral("Text1");
    txtbarra.visible = false;
    place(txtbarra, "", 3960, 10800, 1815, kField);
    named(cmbintensidade, "cmbintensidade");
    cmbintensidade.visible = false;
    place(cmbintensidade, "", 5880, 11055, 1575, kList);
    named(cmbvelocidade, "cmbvelocidade");
    cmbvelocidade.visible = false;
    place(cmbvelocidade, "", 7560, 11055, 1575, kList);
    named(pctlogo1, "pctlogo1");
    pctlogo1.visible = false;
    place(pctlogo1, "", 9240, 10800, 1215, 1215);
    named(pctlogo2, "pctlogo2");
    pctlogo2.visible = false;
    place(pctlogo2, "", 10560, 10800, 1215, 1215);

    // The captions over the fields: container, text, left, top, width; shown unless noted.
    struct CaptionSpot {
        const char* name;
        const char* container;
        const char* text;
        int left, top, width;
        bool visible = true;
    };
    const CaptionSpot spots[] = {
        {"capPedido", "Frame4", "Pedido", 120, 300, 1815},
        {"capTipo", "Frame4", "Tipo", 2040, 300, 3495},
        {"capEmpresa", "Frame2", "Empresa", 120, 240, 3975},
        {"capAdicionar", "Frame2", "Adicionar", 4200, 240, 1335},
        {"capProduto", "Frame1", "Produto", 120, 300, 6375},
        {"capBandeira", "Frame1", "Bandeira", 6600, 300, 2055},
        {"capCodMaster", "Frame1", "Cod.Master", 120, 1035, 1455},
        {"capCor", "Frame1", "Cor", 1680, 1035, 2655},
        {"capSemana", "Frame1", "Semana", 4440, 1035, 1095},
        {"capFaixa", "Frame1", "Faixa", 5640, 1035, 1335},
        {"capPreco", "Frame1", "Preço", 7080, 1035, 1575},
        {"capDescricao", "Frame1", "Descrição", 120, 1770, 5655},
        {"capProduto1", "Frame3", "Produto", 120, 300, 6375},
        {"capQte1", "Frame3", "Qte", 6600, 300, 2055},
        {"capCodMaster1", "Frame3", "Cod.Master", 120, 1035, 1455},
        {"capCor1", "Frame3", "Cor", 1680, 1035, 2655},
        {"capSemana1", "Frame3", "Semana", 4440, 1035, 1695},
        {"capDestino1", "Frame3", "Destino", 6240, 1035, 2415},
        {"capDescricao1", "Frame3", "Descrição", 120, 1770, 5055},
        {"capFornecedor1", "Frame3", "Fornecedor", 5280, 1770, 3375},
        {"capGrade1", "Frame3", "Grade", 120, 2505, 5055},
        {"capTotGrade1", "Frame3", "Total/Grade", 5280, 2505, 1335},
        {"capVolume1", "Frame3", "Volume", 6720, 2505, 1935},
        {"capPrePack1", "Frame3", "Código Pré Pack", 2760, 3720, 2535, false},
        {"capVolumeInicial", "Frame3", "Volume Inicial", 5400, 3720, 1575},
        {"capVolumeFinal", "Frame3", "Volume Final", 7080, 3720, 1575},
        {"capPromocao1", "Frame3", "Promoção", 120, 4455, 3375},
        {"capDepartamento1", "Frame3", "Departamento", 3600, 4455, 2535},
        {"capIntensidade", "", "Intensidade", 5880, 10800, 1575, false},
        {"capVelocidade", "", "Velocidade", 7560, 10800, 1575, false},
    };
    for (const CaptionSpot& at : spots) {
        Label c;
        named(c, at.name);
        c.caption = QString::fromUtf8(at.text);
        c.visible = at.visible;
        place(c, at.container, at.left, at.top, at.width, kCaption);
        captions.push_back(std::move(c));
    }
}

Control* MainForm::find(const QString& objectName)
{
    Control* found = nullptr;
    forEachControl([&](Control& c) {
        if (!found && c.name == objectName)
            found = &c;
    });
    return found;
}
