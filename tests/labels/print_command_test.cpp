#include "tests/labels/print_fixture.h"

#include <functional>

namespace {

using Page = RecordingPrinter::Page;

const QString kEan38 = QStringLiteral("7891234567802");
const QString kEan39 = QStringLiteral("7891234567819");
const QString kColour = QStringLiteral("O Item está sem COR!, Imprimir mesmo assim");
const QString kLogo = QStringLiteral("O Arquivo do Logotipo não foi localizado");
const QString kSelect = QStringLiteral("Selecione o Item que deseja Imprimir");
const QString kInvalid = QStringLiteral("Código Inválido");
const QString kOcultas = QStringLiteral("Quantidade de Etiquetas Ocultas - Inválida");
const QString k1012 = QStringLiteral("Erro - 1012 - Código Master - Contate Suporte ");
// The message after a run that left labels out, and its reasons.
const QString kHead = QStringLiteral("Etiquetas não impressas:");
const QString kNoEan = QStringLiteral("o pedido não tem o EAN deste tamanho");
const QString kNotNumber = QStringLiteral("o tamanho não é um número, e o EAN só é procurado para tamanhos numéricos");
const QString kAfterStop = QStringLiteral("a impressão parou antes deste tamanho (Erro - 1012)");
const QString kCheckDigit = QStringLiteral("o dígito verificador não confere");
const QString kTooLong = QStringLiteral("tem mais de 13 dígitos");
QString refused(const QString& drawerText)
{
    return QStringLiteral("o código de barras não pôde ser gerado (") + drawerText + u')';
}
QString badQuantity(const QString& typed)
{
    return QStringLiteral("a quantidade \"") + typed + QStringLiteral("\" não é um número inteiro de 0 a 32767");
}
QString roundsToNoLabel(const QString& typed)
{
    return QStringLiteral("a quantidade \"") + typed + QStringLiteral("\" arredondada dá 0 etiquetas");
}
// kHead and one line per label left out.
QStringList leftOut(const QStringList& lines) { return {kHead + u'\n' + lines.join(u'\n')}; }


struct PrintCommandTest : ::testing::Test, PrintDesk {};

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

// Every filled size that prints nothing is named after the run, with its reason; where the run
// skips a size it still skips it, and the sizes after a 1012 stop are named too. A cell whose
// quantity is 0 asks for nothing and is never named.
TEST_F(PrintCommandTest, FilledSizesThatPrintNothingAreNamedAfterTheRun)
{
    struct Case {
        const char* name;
        QString tipo;
        std::vector<PrintDesk::SizeLine> sizes;
        std::function<void(PrintDesk&)> change;
        QMap<QString, int> labels;
        QStringList messages;
    };
    const PrintDesk::SizeLine ok38{"2", "38", "789123456780", "4501237038"};
    const PrintDesk::SizeLine ok39{"1", "39", "789123456781", "4501237039"};
    const PrintDesk::SizeLine ok40{"1", "40", "789123456782", "4501237040"};
    const QString kEan40 = QStringLiteral("7891234567826");
    const auto cell = [](int i, const char* size, const char* qte) {
        return [=](PrintDesk& d) {
            d.f.Label7[i].caption = QString::fromLatin1(size);
            d.f.txtnumero[i].text = QString::fromLatin1(qte);
        };
    };
    const auto typed = [](int i, const char* qte) {
        return [=](PrintDesk& d) { d.f.txtnumero[i].text = QString::fromLatin1(qte); };
    };
    const auto code38 = QStringLiteral("tamanho 38, código \"") + kEan38 + QStringLiteral("\": ");
    const Case cases[] = {
        /* 0 */ {"box front, a size the order lacks", kFrente, {ok39}, cell(5, "44", "3"), {{kEan39, 1}},
                 leftOut({"tamanho 44: " + kNoEan})},
        /* 1 */ {"box front, a size whose EAN is empty", kFrente, {ok38, {"2", "39", "", "4501237039"}, ok40}, {},
                 {{kEan38, 2}, {kEan40, 1}}, leftOut({"tamanho 39: " + kNoEan})},
        /* 2 */ {"100 x 40, a size whose EAN is empty", k100x40, {ok38, {"2", "39", "", "4501237039"}}, {},
                 {{kEan38, 2}}, leftOut({"tamanho 39: " + kNoEan})},
        /* 3 */ {"box front, sizes that are no numbers", kFrente,
                 {{"2", "17/18", "789123456783", "4501237017"}, {"3", "19/20", "789123456784", "4501237019"},
                  {"4", "P", "789123456785", "4501237099"}, {"1", "21", "789123456786", "4501237021"}},
                 {}, {{"7891234567864", 1}},
                 leftOut({"tamanho 17/18: " + kNotNumber, "tamanho 19/20: " + kNotNumber, "tamanho P: " + kNotNumber})},
        /* 4 */ {"box front, a quantity past 32767", kFrente, {ok38, ok39}, typed(0, "40000"), {{kEan39, 1}},
                 leftOut({code38 + badQuantity("40000")})},
        /* 5 */ {"box front, a quantity that is no number", kFrente, {ok38, ok39}, typed(0, "2x"), {{kEan39, 1}},
                 leftOut({code38 + badQuantity("2x")})},
        /* 6 */ {"box front, a negative quantity", kFrente, {ok38, ok39}, typed(0, "-3"), {{kEan39, 1}},
                 leftOut({code38 + badQuantity("-3")})},
        /* 7 */ {"100 x 40, a quantity past 32767", k100x40, {ok38, ok39}, typed(0, "40000"), {{kEan39, 1}},
                 leftOut({code38 + badQuantity("40000")})},
        /* 8 */ {"hidden, a doubled quantity past 32767", kOculta, {ok38, ok39}, typed(0, "16400"), {{kEan39, 2}},
                 leftOut({code38 + "a quantidade \"16400\" dá mais de 32767 etiquetas ocultas (duas por par)"})},
        /* 9 */ {"hidden, a quantity past 32767", kOculta, {ok38, ok39}, typed(0, "40000"), {{kEan39, 2}},
                 leftOut({code38 + badQuantity("40000")})},
        /* 10 */ {"a quantity 0 reaches the layout, which prints nothing", kFrente,
                  {{"0", "38", "789123456780", "4501237038"}, ok39}, {}, {{kEan39, 1}}, {}},
        /* 11 */ {"a quantity 0 without an EAN asks for nothing", kFrente, {{"0", "38", "", "4501237038"}, ok39}, {},
                  {{kEan39, 1}}, {}},
        /* 12 */ {"hidden, the sizes after a 1012 stop", kOculta,
                  {ok38, {"1", "39", "", "4501237039"}, ok40, {"0", "41", "789123456783", "4501237041"}}, {},
                  {{kEan38, 4}},
                  {k1012, kHead + "\ntamanho 39: " + kNoEan + "\ntamanho 40: " + kAfterStop}},
        /* 13 */ {"hidden, a size that is no number stops the run", kOculta,
                  {ok38, {"1", "P", "789123456785", "4501237099"}}, {}, {{kEan38, 4}},
                  {k1012, kHead + "\ntamanho P: " + kNotNumber}},
        /* 14 */ {"box front, a typed fraction that rounds to no label", kFrente, {ok38, ok39}, typed(0, "0,4"),
                  {{kEan39, 1}}, leftOut({code38 + roundsToNoLabel("0,4")})},
        /* 15 */ {"100 x 40, a typed fraction that rounds to no label", k100x40, {ok38, ok39}, typed(0, "0,4"),
                  {{kEan39, 1}}, leftOut({code38 + roundsToNoLabel("0,4")})},
        /* 16 */ {"hidden, a typed fraction whose double rounds to no label", kOculta, {ok38, ok39},
                  typed(0, "0,2"), {{kEan39, 2}}, leftOut({code38 + roundsToNoLabel("0,2")})},
        /* 17 */ {"box front, a typed fraction without an EAN", kFrente, {{"1", "38", "", "4501237038"}, ok39},
                  typed(0, "0,4"), {{kEan39, 1}}, leftOut({"tamanho 38: " + kNoEan})},
        /* 18 */ {"hidden, a typed fraction after a 1012 stop", kOculta,
                  {ok38, {"1", "39", "", "4501237039"}, ok40}, typed(2, "0,2"),
                  {{kEan38, 4}}, {k1012, kHead + "\ntamanho 39: " + kNoEan + "\ntamanho 40: " + kAfterStop}},
        /* 19 */ {"the operator's 0 written otherwise asks for nothing", kFrente, {ok38, ok39}, typed(0, "0,0"),
                  {{kEan39, 1}}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PrintDesk d;
        d.boxFrontOrder(c.tipo == k100x40 ? kFrente : c.tipo, c.sizes);
        d.f.cmbtipo.text = c.tipo;
        d.tw.messages.clear();
        if (c.change)
            c.change(d);
        d.run();
        EXPECT_EQ(d.tw.messages.texts(), c.messages);
        EXPECT_EQ(d.labelsByCode(), c.labels);
        EXPECT_FALSE(d.chosen.openDocument());
        EXPECT_TRUE(d.defaultCurrent());
    }
}

// The accessory total typed into "Total de Itens" that is not a whole number from 0 to 32767, or
// a fraction that rounds to no label, prints nothing; the item is named.
TEST_F(PrintCommandTest, AnAccessoryTotalThatCannotPrintIsNamed)
{
    const QString notWhole = QStringLiteral("\" não é um número inteiro de 0 a 32767");
    const QString noLabel = QStringLiteral("\" arredondado dá 0 etiquetas");
    for (const auto& [total, reason] : {std::pair{"40000", notWhole}, std::pair{"-2", notWhole},
                                        std::pair{"dois", notWhole}, std::pair{"0,4", noLabel}}) {
        SCOPED_TRACE(total);
        PrintDesk d;
        d.accessoryOrder();
        d.tw.messages.clear();
        d.f.TXTPARES.text = QString::fromLatin1(total);
        d.run();
        EXPECT_TRUE(d.labelsByCode().isEmpty());
        EXPECT_EQ(d.tw.messages.texts(),
                  leftOut({QStringLiteral("item 7001234, código \"5601234000122\": o Total de Itens \"") + total +
                           reason}));
        EXPECT_FALSE(d.chosen.openDocument());
        EXPECT_TRUE(d.defaultCurrent());
    }
}

// An accessory item without an EAN is named in the operator's words, unless its total asks for
// no label.
TEST_F(PrintCommandTest, AnAccessoryItemWithoutAnEanIsNamed)
{
    for (const auto& [total, named] : {std::pair{"3", true}, std::pair{"0", false}}) {
        SCOPED_TRACE(total);
        PrintDesk d;
        d.order(kAcessorio, QStringLiteral("780002"), QStringLiteral("ACESSORIO"),
                {QStringLiteral("MERVALK;PEDIDO 780002;LOJA EXEMPLO"), QStringLiteral("QTDE"),
                 QStringLiteral("3;PRETO;U;BOLSA TIRACOLO;23;A; ;7001234001;149,90;2;;L1")});
        d.f.TXTPARES.text = QString::fromLatin1(total);
        d.tw.messages.clear();
        d.run();
        EXPECT_TRUE(d.labelsByCode().isEmpty());
        EXPECT_EQ(d.tw.messages.texts(),
                  named ? leftOut({QStringLiteral("item 7001234: o pedido não tem o EAN deste item")}) : QStringList{});
        EXPECT_TRUE(d.defaultCurrent());
    }
}

// An EAN whose symbol would encode other digits than those printed beside it prints no label of
// its size (or item) and is named; 12 digits, and 13 with their own check digit, print as before.
TEST_F(PrintCommandTest, AnEanWhoseSymbolWouldNotMatchItsDigitsPrintsNothingAndIsNamed)
{
    const PrintDesk::SizeLine ok39{"1", "39", "789123456781", "4501237039"};
    struct Case {
        const char* ean;
        QString reason;  // empty: the size prints under its own digits
    };
    const Case eans[] = {
        /* 0 */ {"7891000000039", kCheckDigit},
        /* 1 */ {"78910000000381", kTooLong},
        /* 2 */ {"789100000003812", kTooLong},
        /* 3 */ {"789100000003", {}},
        /* 4 */ {"7891000000038", {}},
    };
    for (const QString& tipo : {kFrente, kOculta, k100x40}) {
        for (const Case& e : eans) {
            SCOPED_TRACE((tipo + " " + e.ean).toStdString());
            PrintDesk d;
            d.boxFrontOrder(tipo == k100x40 ? kFrente : tipo, {{"2", "38", e.ean, "4501237038"}, ok39});
            d.f.cmbtipo.text = tipo;
            d.tw.messages.clear();
            d.run();
            const int per = tipo == kOculta ? 2 : 1;
            QMap<QString, int> labels{{kEan39, per}};
            if (e.reason.isEmpty())
                labels.insert(QStringLiteral("7891000000038"), 2 * per);
            EXPECT_EQ(d.labelsByCode(), labels);
            EXPECT_EQ(d.tw.messages.texts(),
                      e.reason.isEmpty() ? QStringList{}
                                         : leftOut({QStringLiteral("tamanho 38, código \"") + e.ean + "\": " + e.reason}));
            // No digits of the refused code anywhere on the pages.
            for (const Page& page : d.printed()) {
                for (const auto* text : page.texts()) {
                    if (!e.reason.isEmpty()) {
                        EXPECT_FALSE(text->text.contains(QStringLiteral("000003"))) << text->text.toStdString();
                    }
                }
            }
            EXPECT_FALSE(d.chosen.openDocument());
        }
    }
    for (const Case& e : eans) {
        SCOPED_TRACE((QStringLiteral("accessory ") + e.ean).toStdString());
        PrintDesk d;
        d.order(kAcessorio, QStringLiteral("780002"), QStringLiteral("ACESSORIO"),
                {QStringLiteral("MERVALK;PEDIDO 780002;LOJA EXEMPLO"), QStringLiteral("QTDE"),
                 QStringLiteral("3;PRETO;U;BOLSA TIRACOLO;23;A;%1;7001234001;149,90;2;;L1").arg(e.ean)});
        d.tw.messages.clear();
        d.run();
        if (e.reason.isEmpty()) {
            EXPECT_EQ(d.labelsByCode(), (QMap<QString, int>{{QStringLiteral("7891000000038"), 3}}));
            EXPECT_TRUE(d.tw.messages.texts().isEmpty());
        } else {
            EXPECT_TRUE(d.nothingPrinted());
            EXPECT_EQ(d.tw.messages.texts(),
                      leftOut({QStringLiteral("item 7001234, código \"") + e.ean + "\": " + e.reason}));
        }
    }
}

// A size whose symbol the drawer refuses prints no label at all, the run goes on with the next
// sizes, and after the run one message names every size left out with the drawer's reason.
TEST_F(PrintCommandTest, SizesWhoseSymbolIsRefusedPrintNothingAndAreNamedOnceAfterTheRun)
{
    const QString head = kHead;
    const QString letter = refused(QStringLiteral("An Invalid Character Found in Bar Text"));
    const PrintDesk::SizeLine ok39{"1", "39", "789123456781", "4501237039"};
    struct Case {
        const char* name;
        QString tipo;
        std::vector<PrintDesk::SizeLine> sizes;
        QMap<QString, int> labels;
        QStringList messages;
    };
    const Case cases[] = {
        {"box front", kFrente, {{"2", "38", "78912345678X", "4501237038"}, ok39}, {{kEan39, 1}},
         {head + "\ntamanho 38, código \"78912345678X2\": " + letter}},
        {"hidden", kOculta, {{"2", "38", "78912345678X", "4501237038"}, ok39}, {{kEan39, 2}},
         {head + "\ntamanho 38, código \"78912345678X2\": " + letter}},
        {"two sizes, two reasons", kFrente,
         {{"1", "37", "7891234", "4501237037"}, ok39, {"3", "40", "7891234567A82", "4501237040"}}, {{kEan39, 1}},
         {head + "\ntamanho 37, código \"7891234\": " + refused("Should be 12 Digit Numbers") + "\ntamanho 40, código "
                 "\"7891234567A82\": " + letter}},
        {"a quantity 0 would print nothing anyway", kFrente, {{"0", "38", "78912345678X", "4501237038"}, ok39},
         {{kEan39, 1}}, {}},
        {"after a 1012 stop too", kOculta,
         {{"1", "38", "78912345678X", "4501237038"}, {"1", "39", "", "4501237039"}}, {},
         {k1012, head + "\ntamanho 38, código \"78912345678X2\": " + letter + "\ntamanho 39: " + kNoEan}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PrintDesk d;
        d.boxFrontOrder(c.tipo, c.sizes);
        d.tw.messages.clear();
        d.run();
        EXPECT_EQ(d.tw.messages.texts(), c.messages);
        EXPECT_EQ(d.labelsByCode(), c.labels);
        // No label without its symbol: every label that printed carries one.
        for (const Page& page : d.printed())
            for (const auto* text : page.texts())
                EXPECT_NE(text->text, "38");
        EXPECT_FALSE(d.chosen.openDocument());
        EXPECT_TRUE(d.defaultCurrent());
    }

    PrintDesk d;
    d.order(kAcessorio, QStringLiteral("780002"), QStringLiteral("ACESSORIO"),
            {QStringLiteral("MERVALK;PEDIDO 780002;LOJA EXEMPLO"), QStringLiteral("QTDE"),
             QStringLiteral("3;PRETO;U;BOLSA TIRACOLO;23;A;56012340001X2;7001234001;149,90;2;;L1")});
    d.tw.messages.clear();
    d.run();
    EXPECT_TRUE(d.nothingPrinted());
    EXPECT_EQ(d.tw.messages.texts(), QStringList{head + "\nitem 7001234, código \"56012340001X2\": " + letter});
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
