// The test prints of the three margin dialogs on the recording printers: what the typed margins
// become, which layout prints how many labels, and what stops a test.
#include "orders/carrega_corrugado.h"
#include "setup/frmmargenscxzpl45.h"
#include "setup/frmmargensocultazpl2.h"
#include "setup/frmmargenspackzpl.h"
#include "platform/vb.h"
#include "tests/setup/calibra_fixture.h"

#include <functional>
#include <memory>

namespace {

QStringList textsOf(const RecordingPrinter::Page& page)
{
    QStringList out;
    for (const auto* op : page.texts())
        out << op->text;
    return out;
}

QStringList boxTextsOf(MarginDialog& d)
{
    QStringList out;
    for (MarginBox& b : d.boxes())
        out << b.box.text;
    return out;
}

// Opens a dialog on the desk and presses "&Impressão de Teste".
template <class Dialog>
void clickTest(CalibraDesk& d)
{
    Dialog dialog(d.p);
    dialog.Form_Load();
    dialog.cmd_teste_Click();
}

// The same for the dialog of a box-front or hidden item.
void clickTestOfType(CalibraDesk& d, const QString& tipo)
{
    if (tipo == CalibraDesk::kFrente)
        clickTest<FrmMargensCxZPL45>(d);
    else
        clickTest<FrmMargensOcultaZPL2>(d);
}

// A dialog made on the desk and opened, its boxes typed in box order.
std::unique_ptr<MarginDialog> opened(CalibraDesk& desk,
                                     const std::function<std::unique_ptr<MarginDialog>(Program&)>& make,
                                     const QStringList& boxes)
{
    auto d = make(desk.p);
    d->Form_Load();
    for (int i = 0; i < boxes.size(); ++i)
        d->boxes()[static_cast<size_t>(i)].box.text = boxes[i];
    return d;
}

struct TestePrint : ::testing::Test, CalibraDesk {
    // Opens the dialog and types the boxes, in box order.
    template <class Dialog>
    std::unique_ptr<Dialog> typed(const QStringList& boxes)
    {
        auto d = std::make_unique<Dialog>(p);
        d->Form_Load();
        for (int i = 0; i < boxes.size(); ++i)
            d->boxes()[static_cast<size_t>(i)].box.text = boxes[i];
        return d;
    }
};

TEST_F(TestePrint, BoxFrontPrintsOneRowOfTwoWithTheTypedMargins)
{
    boxFrontOrder(kFrente, {{"7", "38", "789123456780", "4501237038"}});
    const QByteArray before = settingsFile();
    auto d = typed<FrmMargensCxZPL45>({"2,5", "40", "3"});
    d->cmd_teste_Click();

    EXPECT_FLOAT_EQ(g.margem_caixa_col1, 2.5f);
    EXPECT_FLOAT_EQ(g.margem_caixa_col2, 40.0f);
    EXPECT_FLOAT_EQ(g.margem_caixa_topo, 3.0f);
    ASSERT_EQ(printed().size(), 1u);
    const auto codes = barcodes();
    ASSERT_EQ(codes.size(), 2u);  // quantity 7 in the grid, still one row
    EXPECT_TRUE(codes[0].barcode.startsWith(QStringLiteral("789123456780")));
    EXPECT_NEAR(codes[1].x - codes[0].x, 40.0 - 2.5, 1e-4);
    EXPECT_NEAR(codes[1].y, codes[0].y, 1e-4);
    EXPECT_NEAR(printed()[0].sizeMm.height(), 2660 / 1440.0 * 25.4, 1e-3);
    EXPECT_EQ(g.coluna_etiqueta, 1);
    EXPECT_TRUE(defaultCurrent());
    EXPECT_TRUE(d->isOpen());
    EXPECT_EQ(d->box(QStringLiteral("txtmargem1")).text, QStringLiteral("2,5"));
    EXPECT_EQ(settingsFile(), before);
    EXPECT_TRUE(tw.messages.shown().empty());
}

TEST_F(TestePrint, TheFirstSizeWithCodesIsTheOnePrinted)
{
    boxFrontOrder(kFrente, {{"2", "37", "", "4501237037"}, {"1", "38", "789123456781", "4501237038"},
                            {"4", "39", "789123456782", "4501237039"}});
    struct Case {
        const char* name;
        QString tipo;
        std::function<std::unique_ptr<MarginDialog>()> dialog;
    };
    const Case cases[] = {
        {"box front", kFrente, [&] { return std::unique_ptr<MarginDialog>(typed<FrmMargensCxZPL45>({"0", "40", "3"})); }},
        {"hidden", kOculta, [&] { return std::unique_ptr<MarginDialog>(typed<FrmMargensOcultaZPL2>({"3", "45", "3"})); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        f.cmbtipo.text = c.tipo;
        const size_t before = barcodes().size();
        c.dialog()->cmd_teste_Click();
        const auto codes = barcodes();
        ASSERT_EQ(codes.size(), before + 2);
        EXPECT_TRUE(codes[before].barcode.startsWith(QStringLiteral("789123456781")));
        EXPECT_TRUE(codes[before + 1].barcode.startsWith(QStringLiteral("789123456781")));
    }
}

TEST_F(TestePrint, ABlankPriceBecomesNoPriceInTheWindow)
{
    boxFrontOrder(kFrente, {{"1", "38", "789123456780", "4501237038"}});
    f.txtpreco.text = QStringLiteral("  ");
    typed<FrmMargensCxZPL45>({"0", "40", "3"})->cmd_teste_Click();
    EXPECT_EQ(f.txtpreco.text, QStringLiteral("0,00"));
    ASSERT_EQ(barcodes().size(), 2u);
}

TEST_F(TestePrint, BoxFrontStopsWhenTheWindowLeftItsTypeOrLacksALogo)
{
    struct Case {
        const char* name;
        QString tipo;
        bool logos;
        QStringList messages;
    };
    const Case cases[] = {
        {"type switched after the dialog opened", kOculta, true,
         {QStringLiteral("Esta calibragem é da etiqueta Frente de Caixa, e a janela principal mostra o Tipo "
                         "\"Oculta\": a Impressão de Teste não foi feita.")}},
        {"a logo missing at start-up", kFrente, false, {QStringLiteral("O Arquivo do Logotipo não foi localizado")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CalibraDesk desk;
        desk.boxFrontOrder(kFrente, {{"1", "38", "789123456780", "4501237038"}});
        FrmMargensCxZPL45 d(desk.p);
        d.Form_Load();
        desk.f.cmbtipo.text = c.tipo;
        desk.g.tem_logo2 = c.logos;
        d.cmd_teste_Click();
        EXPECT_TRUE(desk.nothingPrinted());
        EXPECT_EQ(desk.tw.messages.texts(), c.messages);
    }
}

// A dialog left open while the main window moved to another type prints nothing and says so:
// its layout would print the window's item as a label of another kind, or a carton left behind.
TEST_F(TestePrint, ADialogOfAnotherTypeThanTheWindowsSaysSoAndPrintsNothing)
{
    struct Case {
        const char* name;
        std::function<void(CalibraDesk&)> load;
        std::function<std::unique_ptr<MarginDialog>(Program&)> make;
        QStringList boxes;
        QString calibrates, shown;
    };
    const auto frente = [](CalibraDesk& d) { d.boxFrontOrder(kFrente, {{"1", "38", "789123456780", "4501237038"}}); };
    const auto oculta = [](Program& prog) { return std::unique_ptr<MarginDialog>(new FrmMargensOcultaZPL2(prog)); };
    const auto pack = [](Program& prog) { return std::unique_ptr<MarginDialog>(new FrmMargensPackZPL(prog)); };
    const Case cases[] = {
        {"hidden dialog, box-front item", frente, oculta, {"3", "45", "3"}, "Oculta ou Acessório", kFrente},
        {"hidden dialog, carton", [](CalibraDesk& d) { d.cartonOrder(); }, oculta, {"3", "45", "3"},
         "Oculta ou Acessório", QStringLiteral("Corrugado")},
        {"pack dialog, box-front item after a carton",
         [&](CalibraDesk& d) {
             d.cartonOrder();
             frente(d);
         },
         pack, {"3", "3"}, "Corrugado", kFrente},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CalibraDesk desk;
        c.load(desk);
        auto d = opened(desk, c.make, c.boxes);
        desk.tw.messages.clear();
        d->cmd_teste_Click();
        EXPECT_TRUE(desk.nothingPrinted());
        EXPECT_EQ(desk.tw.messages.texts(),
                  QStringList{QStringLiteral("Esta calibragem é da etiqueta ") + c.calibrates +
                              QStringLiteral(", e a janela principal mostra o Tipo \"") + c.shown +
                              QStringLiteral("\": a Impressão de Teste não foi feita.")});
    }
}

TEST_F(TestePrint, BoxFrontWithoutADescriptionSaysSoAndPrints)
{
    // An item without a description still finds its codes: the order line has none either.
    boxFrontOrder(kFrente, {{"1", "38", "789123456780", "4501237038"}}, QString(), QStringLiteral(" "));
    ASSERT_TRUE(vb::Trim(f.txtdescricao.text).isEmpty());
    typed<FrmMargensCxZPL45>({"0", "40", "3"})->cmd_teste_Click();
    EXPECT_EQ(tw.messages.texts(), QStringList{QStringLiteral("Selecione o Item que deseja Imprimir")});
    EXPECT_EQ(barcodes().size(), 2u);
}

TEST_F(TestePrint, HiddenAndAccessoryLayoutsFollowTheTypeAtTheClick)
{
    // The accessory layout lowers the column margins it is given; the hidden one leaves them.
    accessoryOrder();
    auto d = typed<FrmMargensOcultaZPL2>({"10", "50", "2,5"});
    d->cmd_teste_Click();
    auto codes = barcodes();
    ASSERT_EQ(codes.size(), 2u);
    EXPECT_TRUE(codes[0].barcode.startsWith(QStringLiteral("560123400012")));
    EXPECT_FLOAT_EQ(g.margem_oculta_col1, 10.0f - 4.8f);
    EXPECT_FLOAT_EQ(g.margem_oculta_col2, 50.0f - 1.5f);
    EXPECT_FLOAT_EQ(g.margem_oculta_topo, 2.5f);
    EXPECT_NEAR(printed()[0].sizeMm.height(), 1200 / 1440.0 * 25.4, 1e-3);
    EXPECT_TRUE(defaultCurrent());

    boxFrontOrder(kFrente, {{"7", "38", "789123456780", "4501237038"}});
    f.cmbtipo.text = kOculta;
    d->cmd_teste_Click();  // the same dialog, still open
    codes = barcodes();
    ASSERT_EQ(codes.size(), 4u);
    EXPECT_TRUE(codes[2].barcode.startsWith(QStringLiteral("789123456780")));
    EXPECT_TRUE(codes[3].barcode.startsWith(QStringLiteral("789123456780")));
    EXPECT_FLOAT_EQ(g.margem_oculta_col1, 10.0f);
    EXPECT_FLOAT_EQ(g.margem_oculta_col2, 50.0f);
}

// The test prints share the layouts: a code the drawer refuses, or one whose symbol would encode
// other digits than those beside it, prints no label at all, and the test print says which label
// and why once it has ended.
TEST_F(TestePrint, ACodeThatCannotPrintPrintsNothingAndIsTold)
{
    const QString head = QStringLiteral("Etiquetas não impressas:\n");
    struct Code {
        QString size, item;  // as the order holds them: a size line's EAN, the item's EAN
        QString shown;        // the code the message names (a 12-digit size EAN gets its check digit)
        QString reason;
    };
    const Code codes[] = {
        {"78912345678X", "5601234000X22", {},
         QStringLiteral("o código de barras não pôde ser gerado (An Invalid Character Found in Bar Text)")},
        {"7891000000039", "7891000000039", "7891000000039", QStringLiteral("o dígito verificador não confere")},
        {"78910000000381", "78910000000381", "78910000000381", QStringLiteral("tem mais de 13 dígitos")},
    };
    for (const Code& code : codes) {
        struct Case {
            const char* name;
            std::function<void(CalibraDesk&)> load;
            std::function<void(CalibraDesk&)> click;
            QString message;
        };
        const QString sizeShown = code.shown.isEmpty() ? code.size + u'2' : code.shown;
        const QString itemShown = code.shown.isEmpty() ? code.item : code.shown;
        const Case cases[] = {
            {"box front", [&](CalibraDesk& d) { d.boxFrontOrder(kFrente, {{"1", "38", code.size, "4501237038"}}); },
             clickTest<FrmMargensCxZPL45>,
             head + "tamanho 38, código \"" + sizeShown + "\": " + code.reason},
            {"hidden", [&](CalibraDesk& d) { d.boxFrontOrder(kOculta, {{"1", "38", code.size, "4501237038"}}); },
             clickTest<FrmMargensOcultaZPL2>,
             head + "tamanho 38, código \"" + sizeShown + "\": " + code.reason},
            {"accessory",
             [&](CalibraDesk& d) {
                 d.order(kAcessorio, QStringLiteral("780002"), QStringLiteral("ACESSORIO"),
                         {QStringLiteral("MERVALK;PEDIDO 780002"), QStringLiteral("QTDE"),
                          QStringLiteral("5;PRETO;U;BOLSA TIRACOLO;23;A;%1;7001234001;149,90;2;;L1").arg(code.item)});
             },
             clickTest<FrmMargensOcultaZPL2>,
             head + "item 7001234, código \"" + itemShown + "\": " + code.reason},
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.name) + " " + code.size.toStdString());
            CalibraDesk desk;
            c.load(desk);
            desk.tw.messages.clear();
            c.click(desk);
            EXPECT_TRUE(desk.nothingPrinted());
            EXPECT_EQ(desk.tw.messages.texts(), QStringList{c.message});
            EXPECT_TRUE(desk.defaultCurrent());
        }
    }
}

// A test print prints the first size with codes; when no filled size has them it prints nothing
// and says why for each.
TEST_F(TestePrint, AGridWithoutAQuantityIsTold)
{
    for (const QString& tipo : {kFrente, kOculta}) {
        SCOPED_TRACE(tipo.toStdString());
        CalibraDesk desk;
        desk.boxFrontOrder(tipo, {{"2", "37", "789123456780", "4501237037"}});
        for (TextBox& cell : desk.f.txtnumero)
            cell.text = QStringLiteral("  ");
        desk.tw.messages.clear();
        clickTestOfType(desk, tipo);
        EXPECT_TRUE(desk.nothingPrinted());
        EXPECT_EQ(desk.tw.messages.texts(),
                  QStringList{QStringLiteral("Nenhum tamanho da grade tem quantidade: a Impressão de Teste não foi feita.")});
    }
}

TEST_F(TestePrint, AnAccessoryItemWithoutAnEanIsTold)
{
    accessoryOrder();
    f.lblbarra.caption.clear();
    tw.messages.clear();
    clickTest<FrmMargensOcultaZPL2>(*this);
    EXPECT_TRUE(nothingPrinted());
    EXPECT_EQ(tw.messages.texts(),
              QStringList{QStringLiteral("Etiquetas não impressas:\nitem 7001234: o pedido não tem o EAN deste item")});
    EXPECT_TRUE(defaultCurrent());
}

TEST_F(TestePrint, NoSizeWithCodesIsTold)
{
    for (const QString& tipo : {kFrente, kOculta}) {
        SCOPED_TRACE(tipo.toStdString());
        CalibraDesk desk;
        desk.boxFrontOrder(tipo, {{"2", "37", "", "4501237037"}, {"1", "P", "789123456781", "4501237099"}});
        desk.tw.messages.clear();
        clickTestOfType(desk, tipo);
        EXPECT_TRUE(desk.nothingPrinted());
        EXPECT_EQ(desk.tw.messages.texts(),
                  QStringList{QStringLiteral("Etiquetas não impressas:\ntamanho 37: o pedido não tem o EAN deste tamanho\n"
                                             "tamanho P: o tamanho não é um número, e o EAN só é procurado para "
                                             "tamanhos numéricos")});
        EXPECT_TRUE(desk.defaultCurrent());
    }
}

TEST_F(TestePrint, ABlankBoxStopsTheTestWithTheFocusOnTheFirstBlankOne)
{
    boxFrontOrder(kFrente, {{"1", "38", "789123456780", "4501237038"}});
    struct Case {
        const char* name;
        std::function<std::unique_ptr<MarginDialog>(Program&)> make;
        QStringList boxes;
        const char* focus;
    };
    auto cx = [](Program& prog) { return std::unique_ptr<MarginDialog>(new FrmMargensCxZPL45(prog)); };
    auto oc = [](Program& prog) { return std::unique_ptr<MarginDialog>(new FrmMargensOcultaZPL2(prog)); };
    auto pk = [](Program& prog) { return std::unique_ptr<MarginDialog>(new FrmMargensPackZPL(prog)); };
    const Case cases[] = {
        {"box front, first and top blank", cx, {"", "40", ""}, "txtmargem1"},
        {"box front, right column blanks", cx, {"1", "  ", "3"}, "txtmargem2"},
        {"hidden, top blank", oc, {"1", "2", " "}, "txtmargemsuperior"},
        {"pack, x blank", pk, {"", "3"}, "txtmargem1"},
        {"pack, y blank", pk, {"3", ""}, "txtmargemsuperior"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        tw.messages.clear();
        g.margem_caixa_col2 = g.margem_oculta_col1 = g.margem_pack_y = -1;
        auto d = opened(*this, c.make, c.boxes);
        d->cmd_teste_Click();
        EXPECT_EQ(tw.messages.texts(), QStringList{QStringLiteral("Informe a Margem...")});
        ASSERT_NE(d->focusRequest, nullptr);
        EXPECT_EQ(d->focusRequest->name, QString::fromLatin1(c.focus));
        EXPECT_TRUE(nothingPrinted());
        EXPECT_FLOAT_EQ(g.margem_caixa_col2 + g.margem_oculta_col1 + g.margem_pack_y, -3.0f);  // nothing taken
    }
}

// Millimetres are read with the decimal comma: a box whose text is no number stops the test and
// the save alike, named, with the focus on it; the margins, the printers and the file stay as
// they were.
TEST_F(TestePrint, AMarginThatIsNoNumberIsNamedAndStopsTheTestAndTheSave)
{
    auto cx = [](Program& prog) { return std::unique_ptr<MarginDialog>(new FrmMargensCxZPL45(prog)); };
    auto oc = [](Program& prog) { return std::unique_ptr<MarginDialog>(new FrmMargensOcultaZPL2(prog)); };
    auto pk = [](Program& prog) { return std::unique_ptr<MarginDialog>(new FrmMargensPackZPL(prog)); };
    struct Case {
        const char* name;
        std::function<void(CalibraDesk&)> load;
        std::function<std::unique_ptr<MarginDialog>(Program&)> make;
        QStringList boxes;
        const char* focus;
        QString named, text;
    };
    auto frente = [](CalibraDesk& d) { d.boxFrontOrder(kFrente, {{"1", "38", "789123456780", "4501237038"}}); };
    auto oculta = [](CalibraDesk& d) { d.boxFrontOrder(kOculta, {{"1", "38", "789123456780", "4501237038"}}); };
    const Case cases[] = {
        {"box front, right column pasted letters", frente, cx, {"0", "abc", "3"}, "txtmargem2",
         "da etiqueta da direita", "abc"},
        {"box front, lone minus", frente, cx, {"-", "40", "3"}, "txtmargem1", "da etiqueta da esquerda", "-"},
        // The box-front top box is captioned "Margem Esquerda": the message names that caption too.
        {"box front, two commas on top", frente, cx, {"0", "40", "2,,5"}, "txtmargemsuperior",
         "superior (caixa \"Margem Esquerda\")", "2,,5"},
        {"hidden, a point is no decimal sign", oculta, oc, {"3", "45,5", "2.5"}, "txtmargemsuperior", "superior", "2.5"},
        {"hidden, first of two bad boxes", oculta, oc, {"3", "x", "y"}, "txtmargem2", "da etiqueta da direita", "x"},
        {"accessory, past what a margin holds", [](CalibraDesk& d) { d.accessoryOrder(); }, oc, {"1e39", "45", "3"},
         "txtmargem1", "da etiqueta da esquerda", "1e39"},
        {"pack, letters", [](CalibraDesk& d) { d.cartonOrder(); }, pk, {"3", "ab"}, "txtmargemsuperior", "superior", "ab"},
        {"pack, x", [](CalibraDesk& d) { d.cartonOrder(); }, pk, {"1-", "3"}, "txtmargem1", "esquerda", "1-"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CalibraDesk desk;
        c.load(desk);
        desk.g.margem_caixa_col1 = desk.g.margem_caixa_col2 = desk.g.margem_caixa_topo = -7;
        desk.g.margem_oculta_col1 = desk.g.margem_oculta_col2 = desk.g.margem_oculta_topo = -7;
        desk.g.margem_pack_x = desk.g.margem_pack_y = -7;
        const QByteArray before = desk.settingsFile();
        auto d = opened(desk, c.make, c.boxes);
        const QString told = QStringLiteral("A margem ") + c.named + QStringLiteral(" não é um número: \"") + c.text +
                             QStringLiteral("\".\nInforme a Margem em milímetros, com vírgula decimal (por exemplo 2,5).");

        desk.tw.messages.clear();
        d->cmd_teste_Click();
        EXPECT_EQ(desk.tw.messages.texts(), QStringList{told});
        ASSERT_NE(d->focusRequest, nullptr);
        EXPECT_EQ(d->focusRequest->name, QString::fromLatin1(c.focus));
        EXPECT_TRUE(desk.nothingPrinted());
        const Globals& g = desk.g;
        for (float v : {g.margem_caixa_col1, g.margem_caixa_col2, g.margem_caixa_topo, g.margem_oculta_col1,
                        g.margem_oculta_col2, g.margem_oculta_topo, g.margem_pack_x, g.margem_pack_y})
            EXPECT_FLOAT_EQ(v, -7.0f);

        desk.tw.messages.clear();
        d->focusRequest = nullptr;
        d->cmd_gravar_Click();
        EXPECT_EQ(desk.tw.messages.texts(), QStringList{told});
        ASSERT_NE(d->focusRequest, nullptr);
        EXPECT_EQ(d->focusRequest->name, QString::fromLatin1(c.focus));
        EXPECT_TRUE(d->isOpen());
        EXPECT_EQ(boxTextsOf(*d), c.boxes);
        EXPECT_EQ(desk.settingsFile(), before);
    }

    // Numbers as the workstation writes them pass: signs, thousands and blanks around.
    boxFrontOrder(kFrente, {{"1", "38", "789123456780", "4501237038"}});
    typed<FrmMargensCxZPL45>({" -1,5", "1.040", "+2,"})->cmd_teste_Click();
    EXPECT_TRUE(tw.messages.shown().empty()) << tw.messages.texts().join(u'|').toStdString();
    EXPECT_FLOAT_EQ(g.margem_caixa_col1, -1.5f);
    EXPECT_FLOAT_EQ(g.margem_caixa_col2, 1040.0f);
    EXPECT_FLOAT_EQ(g.margem_caixa_topo, 2.0f);
    EXPECT_EQ(barcodes().size(), 2u);
}

// After an order number that loaded no item the main window still shows the previous item: a
// test print would put it under the new number, so it is refused and told.
TEST_F(TestePrint, NoTestPrintWhileTheWindowShowsNoLoadedOrder)
{
    struct Case {
        const char* name;
        std::function<void(CalibraDesk&)> load;
        std::function<std::unique_ptr<MarginDialog>(Program&)> make;
        QStringList boxes;
        QString word;
    };
    const Case cases[] = {
        {"box front", [](CalibraDesk& d) { d.boxFrontOrder(kFrente, {{"1", "38", "789123456780", "4501237038"}}); },
         [](Program& prog) { return std::unique_ptr<MarginDialog>(new FrmMargensCxZPL45(prog)); }, {"0", "40", "3"},
         "FRENTE"},
        {"accessory", [](CalibraDesk& d) { d.accessoryOrder(); },
         [](Program& prog) { return std::unique_ptr<MarginDialog>(new FrmMargensOcultaZPL2(prog)); }, {"3", "45", "3"},
         "ACESSORIO"},
        {"carton", [](CalibraDesk& d) { d.cartonOrder(); },
         [](Program& prog) { return std::unique_ptr<MarginDialog>(new FrmMargensPackZPL(prog)); }, {"3", "3"},
         "CORRUGADO"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CalibraDesk desk;
        c.load(desk);
        auto d = opened(desk, c.make, c.boxes);
        // Only the two header lines under the new number.
        desk.order(desk.f.cmbtipo.text, QStringLiteral("790009"), c.word,
                   {QStringLiteral("MERVALK;PEDIDO 790009"), QStringLiteral("QTDE;COR")});
        ASSERT_FALSE(desk.f.cmd_printacessorio.visible);
        desk.tw.messages.clear();
        d->cmd_teste_Click();
        EXPECT_EQ(desk.tw.messages.texts(),
                  QStringList{QStringLiteral("O pedido 790009 não tem itens carregados na janela principal: a "
                                             "Impressão de Teste não foi feita.")});
        EXPECT_TRUE(desk.nothingPrinted());
        EXPECT_TRUE(d->isOpen());
    }
}

TEST_F(TestePrint, PackPrintsOnePageForTheFirstChosenVolume)
{
    cartonOrder();
    f.cmb_vol1.setListIndex(2);  // volumes 3 to 9
    ASSERT_EQ(f.cmb_vol1.text, QStringLiteral("3"));
    ASSERT_EQ(f.cmb_vol2.text, QStringLiteral("9"));
    const QByteArray before = settingsFile();
    auto d = typed<FrmMargensPackZPL>({"2,5", "2,1"});
    d->cmd_teste_Click();

    EXPECT_FLOAT_EQ(g.margem_pack_x, 2.5f);
    EXPECT_FLOAT_EQ(g.margem_pack_y, 2.1f);
    const auto pages = printed();
    ASSERT_EQ(pages.size(), 1u) << tw.messages.texts().join("|").toStdString();
    const QStringList texts = textsOf(pages[0]);
    EXPECT_TRUE(texts.contains(QStringLiteral("Volume: 3/9"))) << texts.join("|").toStdString();
    EXPECT_TRUE(texts.contains(QStringLiteral("7891234500030"))) << texts.join("|").toStdString();
    EXPECT_NEAR(pages[0].sizeMm.height(), 9000 / 1440.0 * 25.4, 1e-3);
    EXPECT_TRUE(defaultCurrent());
    EXPECT_EQ(settingsFile(), before);
}

// One model in two colours shares the master code: the test print of the carton chosen in
// "Produto" carries that carton's own first volume, its code and its QR image.
TEST_F(TestePrint, PackPrintsTheChosenCartonsOwnVolumeBesideAnotherOfItsMasterCode)
{
    QStringList lines{QStringLiteral("MERVALK;PEDIDO 780007;DISTRIBUIDORA"),
                      QStringLiteral("QTDE;LOJA;MASTER;FORNECEDOR;COR;DESCRICAO;EAN;GRADE;QTDE GRADE;TOTAL;SEMANA;"
                                     "DESTINO;VOLUME;SUFIXO;CAMPANHA;DEPARTAMENTO;INICIO PROMOCAO")};
    const struct {
        const char* colour;
        const char* codes[2];
    } cartons[] = {{"PRETO", {"7891234500014", "7891234500021"}}, {"BRANCO", {"7891234500106", "7891234500113"}}};
    for (const auto& c : cartons)
        for (int v = 1; v <= 2; ++v) {
            lines << QStringLiteral("24;01;4402318;PASSO FIRME LTDA;%1;TENIS CASUAL;%2;37 38 39;2 4 6;24;32;CD CAJAMAR;"
                                    "0%3/02;2026;VERAO;MASCULINO;01/12/2026")
                         .arg(QString::fromLatin1(c.colour), QString::fromLatin1(c.codes[v - 1]))
                         .arg(v);
            QImage qr(66, 66, QImage::Format_RGB32);
            qr.fill(Qt::white);
            qr.save(tw.path(QStringLiteral("tmp/%1.jpg").arg(QString::fromLatin1(c.codes[v - 1]))), "JPG");
        }
    tw.write(QStringLiteral("jre/java"), QStringLiteral("#!/bin/sh\n"));
    f.lbljava.caption = tw.path(QStringLiteral("jre"));
    order(kCorrugado, QStringLiteral("780007"), QStringLiteral("CORRUGADO"), lines);
    f.cmb_referencia1.setListIndex(1);
    carrega_corrugado(p);
    ASSERT_EQ(f.txtcor1.text, QStringLiteral("BRANCO"));

    typed<FrmMargensPackZPL>({"3", "3"})->cmd_teste_Click();

    const auto pages = printed();
    ASSERT_EQ(pages.size(), 1u) << tw.messages.texts().join("|").toStdString();
    const QStringList texts = textsOf(pages[0]);
    EXPECT_TRUE(texts.contains(QStringLiteral("7891234500106"))) << texts.join("|").toStdString();
    EXPECT_FALSE(texts.contains(QStringLiteral("7891234500014"))) << texts.join("|").toStdString();
    QStringList pictures;
    for (const Op& op : pages[0].ops)
        if (op.kind == RecordingPrinter::Kind::Picture)
            pictures << op.file;
    ASSERT_EQ(pictures.size(), 1);
    EXPECT_TRUE(pictures[0].endsWith(QStringLiteral("/tmp/7891234500106.jpg"))) << pictures[0].toStdString();
}

TEST_F(TestePrint, PackBeforeAnyOrderLoadTakesTheOlderLayout)
{
    cartonOrder();
    struct Case {
        const char* caption;
        bool qrImages;  // the current layout paints the QR images; the older one a Code 39 symbol
    };
    const Case cases[] = {{"F", false}, {"T", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        f.lblpacknovo.caption = QString::fromLatin1(c.caption);
        const size_t before = printed().size();
        typed<FrmMargensPackZPL>({"3", "3"})->cmd_teste_Click();
        const auto pages = printed();
        ASSERT_EQ(pages.size(), before + 1);
        bool qr = false;
        for (const Op& op : pages.back().ops)
            qr = qr || (op.kind == RecordingPrinter::Kind::Picture && op.file.contains(QStringLiteral("7891234500")));
        EXPECT_EQ(qr, c.qrImages);
    }
}

TEST_F(TestePrint, PackWithoutAVolumeOrAJavaFolderPrintsNothing)
{
    struct Case {
        const char* name;
        QString volume;
        bool java;
        QStringList messages;
    };
    const Case cases[] = {
        {"volume that is no number", QStringLiteral("x"), true, {}},
        {"no Java folder set", QStringLiteral("1"), false,
         {QStringLiteral("O Caminho do arquivo Java.exe não foi definido!")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CalibraDesk desk;
        desk.cartonOrder();
        desk.f.cmb_vol1.text = c.volume;
        if (!c.java)
            desk.f.lbljava.caption.clear();
        FrmMargensPackZPL d(desk.p);
        d.Form_Load();
        d.cmd_teste_Click();
        EXPECT_TRUE(desk.printed().empty());
        EXPECT_EQ(desk.chosen.openDocument(), nullptr);
        EXPECT_TRUE(desk.defaultCurrent());
        // The pack layout's own messages follow the first one.
        const QStringList shown = desk.tw.messages.texts();
        EXPECT_EQ(shown.mid(0, c.messages.size()), c.messages);
        EXPECT_EQ(shown.isEmpty(), c.messages.isEmpty());
        EXPECT_TRUE(d.isOpen());
    }
}

TEST_F(TestePrint, PackOfACartonWhoseVolumeGivesNoVolumeSaysSoAndPrintsNothing)
{
    cartonOrder();
    for (const char* volume : {"4/2", "x/1"}) {
        SCOPED_TRACE(volume);
        tw.messages.clear();
        order(kCorrugado, QStringLiteral("780005"), QStringLiteral("CORRUGADO"),
              {QStringLiteral("MERVALK;PEDIDO 780005;DISTRIBUIDORA"),
               QStringLiteral("QTDE;LOJA;MASTER;FORNECEDOR;COR;DESCRICAO;EAN;GRADE;QTDE GRADE;TOTAL;SEMANA;"
                              "DESTINO;VOLUME;SUFIXO;CAMPANHA;DEPARTAMENTO;INICIO PROMOCAO"),
               QStringLiteral("24;01;4402318;PASSO FIRME LTDA;PRETO;TENIS CASUAL MASCULINO;7891234500010;37 38 39;"
                              "2 4 6;24;32;CD CAJAMAR;%1;2026;VERAO;MASCULINO;01/12/2026")
                   .arg(QString::fromLatin1(volume))});
        ASSERT_EQ(f.cmb_vol1.listCount(), 0);
        auto d = typed<FrmMargensPackZPL>({"3", "3"});
        d->cmd_teste_Click();
        EXPECT_EQ(tw.messages.texts(),
                  QStringList{QStringLiteral("O volume do corrugado no pedido (\"%1\") não indica nenhum volume a "
                                             "imprimir. Nenhuma etiqueta foi impressa.")
                                  .arg(QString::fromLatin1(volume))});
        EXPECT_TRUE(printed().empty());
        EXPECT_EQ(chosen.openDocument(), nullptr);
        EXPECT_TRUE(defaultCurrent());
    }
}

}  // namespace

namespace {

// Each test print on a printer that loses the document: the message names the printer and the
// reason, nothing is left printed, the default printer comes back and the dialog stays open.
TEST(TestePrintFailure, EveryTestPrintReportsAPrinterThatLostTheDocument)
{
    struct Case {
        const char* name;
        std::function<void(CalibraDesk&)> load;
        std::function<std::unique_ptr<MarginDialog>(Program&)> make;
        QStringList boxes;
    };
    const Case cases[] = {
        {"box front",
         [](CalibraDesk& d) { d.boxFrontOrder(CalibraDesk::kFrente, {{"1", "38", "789123456780", "4501237038"}}); },
         [](Program& prog) { return std::unique_ptr<MarginDialog>(new FrmMargensCxZPL45(prog)); }, {"1", "40", "3"}},
        {"hidden",
         [](CalibraDesk& d) { d.boxFrontOrder(CalibraDesk::kOculta, {{"1", "38", "789123456780", "4501237038"}}); },
         [](Program& prog) { return std::unique_ptr<MarginDialog>(new FrmMargensOcultaZPL2(prog)); }, {"1", "40", "3"}},
        {"accessory", [](CalibraDesk& d) { d.accessoryOrder(); },
         [](Program& prog) { return std::unique_ptr<MarginDialog>(new FrmMargensOcultaZPL2(prog)); }, {"1", "40", "3"}},
        {"pack", [](CalibraDesk& d) { d.cartonOrder(); },
         [](Program& prog) { return std::unique_ptr<MarginDialog>(new FrmMargensPackZPL(prog)); }, {"3", "3"}},
    };
    for (const Case& c : cases) {
        for (const int page : {1, 0}) {
            SCOPED_TRACE(std::string(c.name) + (page == 1 ? ", cannot be opened" : ", cannot be handed over"));
            CalibraDesk desk;
            c.load(desk);
            desk.chosen.setFailure(QStringLiteral("a fila de impressão não está aceitando trabalhos"), page);
            auto d = opened(desk, c.make, c.boxes);
            d->cmd_teste_Click();

            EXPECT_EQ(desk.tw.messages.texts(),
                      QStringList{QStringLiteral("Não foi possível imprimir na impressora \"Zebra\": "
                                                 "a fila de impressão não está aceitando trabalhos")});
            EXPECT_TRUE(desk.nothingPrinted());
            EXPECT_EQ(desk.chosen.discarded(), 1);
            EXPECT_TRUE(desk.defaultCurrent());
            EXPECT_TRUE(d->isOpen());
        }
    }
}

}  // namespace
