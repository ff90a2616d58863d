// The test prints of the three margin dialogs on the recording printers: what the typed margins
// become, which layout prints how many labels, and what stops a test.
#include "platform/vb.h"
#include "tests/setup/teste_impressao_fixture.h"

#include <functional>
#include <memory>

namespace {

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
