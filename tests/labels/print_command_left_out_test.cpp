// The sizes and items a print run leaves out: each named after the run with its reason.
#include "tests/labels/print_command_fixture.h"

#include <functional>

namespace {

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

}  // namespace
