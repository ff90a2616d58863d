// The print command: its checks and their messages, and what a run prints in which order.
#include "tests/labels/print_command_fixture.h"

#include <functional>

namespace {

TEST_F(PrintCommandTest, ChecksAndTheirMessages)
{
    using Setup = std::function<void(PrintDesk&)>;
    const Setup boxFront = [](PrintDesk& d) { d.twoSizes(PrintDesk::kFrente); };
    // The size lookup compares colour and description, so an item without them comes so from its order.
    const Setup boxFrontNoColour = [](PrintDesk& d) { d.twoSizes(PrintDesk::kFrente, ""); };
    const Setup boxFrontNoDescription = [](PrintDesk& d) { d.twoSizes(PrintDesk::kFrente, "PRETO", ""); };
    const auto nothing = [](PrintDesk&) {};
    const Setup hidden = [](PrintDesk& d) { d.twoSizes(PrintDesk::kOculta); };
    const Setup accessory = [](PrintDesk& d) { d.accessoryOrder(); };
    const Setup carton = [](PrintDesk& d) {
        d.cartonOrder();
        d.volumes("1", "1");
    };
    const Setup oneAcross = [](PrintDesk& d) {
        d.twoSizes(PrintDesk::kFrente);
        d.f.cmbtipo.text = PrintDesk::k100x40;
    };
    const auto noColour = [](PrintDesk& d) { d.f.txtcor.text = "  "; };
    const auto noLogo = [](PrintDesk& d) { d.g.tem_logo2 = false; };
    const auto noDescription = [](PrintDesk& d) { d.f.txtdescricao.text = " "; };
    struct Shown {
        QString text;
        int style;
    };
    struct Case {
        const char* name;
        Setup order;
        std::function<void(PrintDesk&)> change;
        std::vector<int> answers;
        std::vector<Shown> shown;
        bool prints;
    };
    const int question = mb::YesNo | mb::Question;
    const Case cases[] = {
        /* 0 */ {"box front, no colour, No", boxFront, noColour, {mb::No}, {{kColour, question}}, false},
        /* 1 */ {"hidden, no colour, No", hidden, noColour, {mb::No}, {{kColour, question}}, false},
        /* 2 */ {"box front, no colour, Yes", boxFrontNoColour, nothing, {mb::Yes}, {{kColour, question}}, true},
        /* 3 */ {"box front, a logo missing", boxFront, noLogo, {}, {{kLogo, mb::Critical}}, false},
        /* 4 */
        {"box front, Yes to the colour and still no logo", boxFront,
         [&](PrintDesk& d) {
             noColour(d);
             noLogo(d);
         }, {mb::Yes}, {{kColour, question}, {kLogo, mb::Critical}}, false},
        /* 5 */ {"box front, blank description still prints", boxFrontNoDescription, nothing, {}, {{kSelect, 0}}, true},
        /* 6 */ {"accessory, blank description still prints", accessory, noDescription, {}, {{kSelect, 0}}, true},
        /* 7 */ {"accessory asks nothing about the colour", accessory, noColour, {}, {}, true},
        /* 8 */ {"accessory, a logo missing", accessory, noLogo, {}, {{kLogo, mb::Critical}}, false},
        /* 9 */
        {"hidden, no hidden quantity", hidden, [](PrintDesk& d) { d.f.TXTOCULTAS.text = " "; }, {},
         {{kOcultas, mb::Exclamation}}, false},
        /* 10 */ {"hidden labels need no logo", hidden, noLogo, {}, {}, true},
        /* 11 */
        {"blank model code", boxFront, [](PrintDesk& d) { d.f.txtcodigo.text = " "; }, {}, {{kInvalid, 0}}, false},
        /* 12 */
        {"a type the command does not know", boxFront, [](PrintDesk& d) { d.f.cmbtipo.text = "Frente de caixa"; }, {},
         {}, false},
        /* 13 */ {"carton, no colour, No", carton, [](PrintDesk& d) { d.f.txtcor1.text = ""; }, {mb::No},
                  {{kColour, question}}, false},
        /* 14 */ {"carton, blank description", carton, [](PrintDesk& d) { d.f.txtdescricao1.text = " "; }, {},
                  {{kSelect, 0}}, false},
        /* 15 */ {"carton, blank master code", carton, [](PrintDesk& d) { d.f.txtcodigo1.text = " "; }, {},
                  {{kInvalid, 0}}, false},
        /* 16 */ {"carton with everything", carton, nothing, {}, {}, true},
        /* 17 */ {"100 x 40, blank description stops", oneAcross, noDescription, {}, {{kSelect, 0}}, false},
        /* 18 */ {"100 x 40, a logo missing", oneAcross, noLogo, {}, {{kLogo, mb::Critical}}, false},
        /* 19 */ {"100 x 40, no colour, No", oneAcross, noColour, {mb::No}, {{kColour, question}}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PrintDesk d;
        c.order(d);
        d.tw.messages.clear();
        c.change(d);
        for (int a : c.answers)
            d.tw.messages.answerNext(a);
        const float topBefore = d.g.margem_caixa_topo;
        d.run();

        EXPECT_EQ(d.closed, kPrintClosesDialogs);
        const auto& shown = d.tw.messages.shown();
        ASSERT_EQ(shown.size(), c.shown.size());
        for (std::size_t i = 0; i < shown.size(); ++i) {
            EXPECT_EQ(shown[i].text, c.shown[i].text);
            EXPECT_EQ(shown[i].style, c.shown[i].style);
        }
        EXPECT_EQ(!d.nothingPrinted(), c.prints);
        EXPECT_TRUE(d.defaultCurrent());
        if (!c.prints) {
            // A stop at a check touches no printer and reads no margin.
            EXPECT_EQ(d.chosen.width(), Twips{11906});
            EXPECT_EQ(d.chosen.paperSize(), 9);
            EXPECT_EQ(d.g.margem_caixa_topo, topBefore);
            EXPECT_TRUE(d.g.codigo_marca.isEmpty());
        }
        EXPECT_FALSE(d.chosen.openDocument());
    }
}

TEST_F(PrintCommandTest, BoxFrontAndHiddenCallTheirLayoutPerFilledCellInGridOrder)
{
    struct Case {
        QString tipo;
        int labels38, labels39;
        double pageHeightMm;
        QString brand;
    };
    const Case cases[] = {
        {kFrente, 2, 1, 46.92, "O"},
        {kOculta, 4, 2, 21.17, "O"},  // the hidden quantities are doubled
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tipo.toStdString());
        PrintDesk d;
        d.twoSizes(c.tipo);
        d.g.codigo_marca = "X";
        d.run();
        ASSERT_EQ(d.chosen.documents().size(), 1u);
        const QMap<QString, int> labels = d.labelsByCode();
        EXPECT_EQ(labels.value(kEan38), c.labels38);
        EXPECT_EQ(labels.value(kEan39), c.labels39);
        EXPECT_EQ(labels.size(), 2);
        // Size 38 first: its labels fill the first row from the left.
        const auto pages = d.printed();
        const auto& first = pages.front().ops;
        const auto firstBarcode = std::find_if(first.begin(), first.end(), [](const auto& op) {
            return op.kind == RecordingPrinter::Kind::Picture && !op.barcode.isEmpty();
        });
        ASSERT_NE(firstBarcode, first.end());
        EXPECT_EQ(firstBarcode->barcode, kEan38);
        EXPECT_NEAR(pages.front().sizeMm.width(), 158.75, 0.01);
        EXPECT_NEAR(pages.front().sizeMm.height(), c.pageHeightMm, 0.01);
        EXPECT_EQ(d.g.codigo_marca, c.brand);
        EXPECT_TRUE(d.standard.documents().empty());
        EXPECT_TRUE(d.defaultCurrent());
    }
}

TEST_F(PrintCommandTest, TheOrderHeaderComesFirstOnItsOwnPageWhileFrame2Shows)
{
    struct Case {
        QString tipo;
        bool frame2;
        bool header;
    };
    const Case cases[] = {
        {kFrente, true, true}, {kOculta, true, true}, {kAcessorio, true, false}, {kFrente, false, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tipo.toStdString() + (c.frame2 ? " with Frame2" : ""));
        PrintDesk d;
        if (c.tipo == kAcessorio)
            d.accessoryOrder();
        else
            d.twoSizes(c.tipo);
        d.f.Frame2.visible = c.frame2;
        d.run();
        const auto pages = d.printed();
        ASSERT_FALSE(pages.empty());
        const QStringList first = textsOf(pages.front());
        const QString pedido = QStringLiteral("Pedido: ") + d.f.txtarquivo.text;
        if (!c.header) {
            EXPECT_FALSE(first.contains(pedido));
            continue;
        }
        EXPECT_EQ(first, QStringList({pedido, pedido}));
        // The labels then start again in the left column of the next page.
        ASSERT_GE(pages.size(), 2u);
        const auto* reference = pages[1].findText("237");
        ASSERT_NE(reference, nullptr);
        EXPECT_LT(reference->x, 40);
    }
}

TEST_F(PrintCommandTest, AccessoryRunPrintsTheItemsTotalOnceWithItsStoredEan)
{
    struct Case {
        QString qte, preco;
        int labels;
        QString precoAfter;
    };
    const Case cases[] = {
        {"3", "149,90", 3, "149,90"},
        {"2", " ", 2, "0,00"},  // a blank price is written back into the window
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.qte.toStdString());
        PrintDesk d;
        d.accessoryOrder(c.qte, c.preco);
        d.f.txtpreco.text = c.preco;
        d.g.margem_oculta_col1 = 9;
        d.run();
        EXPECT_EQ(d.labelsByCode(), (QMap<QString, int>{{"5601234000122", c.labels}}));
        EXPECT_EQ(d.f.txtpreco.text, c.precoAfter);
        // The margins of the file, lowered in place by the layout's one call.
        EXPECT_NEAR(d.g.margem_oculta_col1, 0 - 4.8, 1e-5);
        EXPECT_NEAR(d.g.margem_oculta_col2, 40 - 1.5, 1e-5);
        EXPECT_EQ(d.g.codigo_marca, "K");  // "MERVAL K"
        EXPECT_TRUE(d.defaultCurrent());
    }
}

// Quantities as an order file may hold them: a fraction is printed as the workstation makes it
// whole (half to even); one past the 16-bit range is named at the load and its size alone is left out.
TEST_F(PrintCommandTest, OrderQuantitiesThatAreNotWholeNumbersPrintRounded)
{
    struct Case {
        QString tipo, qte38, qte39;
        QMap<QString, int> labels;
        int loadMessages;
        QStringList runMessages;
    };
    const Case cases[] = {
        {kFrente, "1,5", "2,5", {{kEan38, 2}, {kEan39, 2}}, 0, {}},
        {kOculta, "1,5", "2,5", {{kEan38, 4}, {kEan39, 4}}, 0, {}},
        {kFrente, "0,4", "3,5", {{kEan39, 4}}, 0, {}},
        {kFrente, "40000", "1", {{kEan39, 1}}, 1,
         leftOut({"tamanho 38, código \"" + kEan38 + "\": " + badQuantity("40000")})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE((c.tipo + " " + c.qte38 + " " + c.qte39).toStdString());
        PrintDesk d;
        d.boxFrontOrder(c.tipo, {{c.qte38, "38", "789123456780", "4501237038"},
                                 {c.qte39, "39", "789123456781", "4501237039"}});
        EXPECT_EQ(static_cast<int>(d.tw.messages.shown().size()), c.loadMessages);
        d.tw.messages.clear();
        d.run();
        EXPECT_EQ(d.tw.messages.texts(), c.runMessages);
        EXPECT_EQ(d.labelsByCode(), c.labels);
    }
    for (const auto& [qte, labels] : {std::pair{"2,5", 2}, std::pair{"3,5", 4}}) {
        SCOPED_TRACE(qte);
        PrintDesk d;
        d.accessoryOrder(QString::fromLatin1(qte));
        d.run();
        EXPECT_EQ(d.labelsByCode(), (QMap<QString, int>{{"5601234000122", labels}}));
    }
}

TEST_F(PrintCommandTest, The1012StopEndsTheDocumentAndRestoresTheDefaultPrinter)
{
    struct Case {
        const char* name;
        std::vector<PrintDesk::SizeLine> sizes;
        std::function<void(PrintDesk&)> change;
        QMap<QString, int> before;
        QStringList after;  // the sizes named after the run
    };
    // The box-front path skips both and names them (see FilledSizesThatPrintNothingAreNamedAfterTheRun).
    const Case cases[] = {
        {"a size the order lacks, then one it has",
         {{"2", "38", "789123456780", "4501237038"}, {"1", "40", "789123456782", "4501237040"}},
         [](PrintDesk& d) {
             d.f.Label7[2].caption = "41";
             d.f.txtnumero[2].text = "1";
             d.f.Label7[3].caption = "40";
             d.f.txtnumero[3].text = "1";
         },
         {{kEan38, 4}, {"7891234567826", 2}},
         {"tamanho 41: " + kNoEan, "tamanho 40: " + kAfterStop}},
        {"a size without an EAN",
         {{"2", "38", "789123456780", "4501237038"}, {"1", "39", "", "4501237039"},
          {"1", "40", "789123456782", "4501237040"}},
         {}, {{kEan38, 4}}, {"tamanho 39: " + kNoEan, "tamanho 40: " + kAfterStop}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PrintDesk d;
        d.boxFrontOrder(kOculta, c.sizes);
        d.tw.messages.clear();
        if (c.change)
            c.change(d);
        d.run();
        EXPECT_EQ(d.tw.messages.texts(), QStringList{k1012} + leftOut(c.after));
        // The sizes before it are printed in an ended document; none after it.
        EXPECT_EQ(d.labelsByCode(), c.before);
        EXPECT_EQ(d.chosen.documents().size(), 1u);
        EXPECT_FALSE(d.chosen.openDocument());
        EXPECT_TRUE(d.defaultCurrent());
    }
}

TEST_F(PrintCommandTest, TwoRunsInARowStartAgainInTheLeftColumnWithFreshMargins)
{
    boxFrontOrder(kFrente, {{"1", "38", "789123456780", "4501237038"}});
    run();
    EXPECT_EQ(g.coluna_etiqueta, 2);
    margins("Mx4045_1=5\r\nMx4045_2=47\r\nMx4045=4\r\n");
    run();
    ASSERT_EQ(chosen.documents().size(), 2u);
    const auto& second = chosen.documents().back().pages.front();
    const auto* reference = second.findText("237");
    const auto* firstReference = chosen.documents().front().pages.front().findText("237");
    ASSERT_NE(reference, nullptr);
    ASSERT_NE(firstReference, nullptr);
    EXPECT_NEAR(reference->x - firstReference->x, 5, 1e-4);
    EXPECT_NEAR(reference->y - firstReference->y, 4 - 2.2, 1e-4);
    EXPECT_TRUE(defaultCurrent());
}

TEST_F(PrintCommandTest, TheChosenPrinterMissingPrintsOnTheCurrentOne)
{
    twoSizes(kFrente);
    f.CMBPRINTER.text = "Removida";
    run();
    EXPECT_TRUE(chosen.documents().empty());
    ASSERT_EQ(standard.documents().size(), 1u);
    EXPECT_EQ(labelsByCodeOn(standard), (QMap<QString, int>{{kEan38, 2}, {kEan39, 1}}));
}

TEST_F(PrintCommandTest, TheClosingConfirmationDropsThePrintedReferenceAndLoadsTheNext)
{
    boxFrontOrder(kFrente, {{"1", "38", "789123456780", "4501237038"}});
    // A second item of the order, after the first.
    f.List1.items << "1;AZUL;40;REF 2;SAPATO;789123456782;4501999040;23;A;;2;L1";
    f.cmb_referencia.addItem("4501999 | SAPATO | AZUL");
    f.cmb_referencia.setListIndex(0);
    const QStringList lines = f.List1.items;

    tw.messages.answerNext(mb::No);
    confirma_impressao(p);
    EXPECT_EQ(f.cmb_referencia.listCount(), 2);
    EXPECT_EQ(f.txtcodigo.text, "4501237");

    tw.messages.clear();
    tw.messages.answerNext(mb::Yes);
    confirma_impressao(p);
    ASSERT_EQ(tw.messages.shown().size(), 1u);
    EXPECT_EQ(tw.messages.shown()[0].text, "A Impressão está OK");
    EXPECT_EQ(tw.messages.shown()[0].style, mb::YesNo | mb::Question);
    EXPECT_EQ(f.cmb_referencia.items, QStringList{"4501999 | SAPATO | AZUL"});
    EXPECT_EQ(f.List1.items, lines.mid(1));
    EXPECT_EQ(f.txtcodigo.text, "4501999");
    EXPECT_EQ(f.txtcor.text, "AZUL");
}

}  // namespace
