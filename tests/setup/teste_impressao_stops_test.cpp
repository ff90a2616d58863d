// What stops a test print of a margin dialog, and what the test print tells: codes that cannot
// print, a grid without quantities or codes, a blank or wrong box, a window without a loaded order.
#include "tests/setup/teste_impressao_fixture.h"

#include <functional>
#include <memory>

namespace {

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

}  // namespace
