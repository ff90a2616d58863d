#include "alternative/layouts/v1imprime_40_45_2.h"
#include "barcode/barcodeerror.h"
#include "tests/labels/product_fixture.h"

#include <vector>

namespace {

struct BoxFront {
    QString tipo = QStringLiteral("O");
    QString descricao = QStringLiteral("TENIS CASUAL");
    QString cor = QStringLiteral(" PRETO ");
    QString referencia = QStringLiteral("123");
    QString codigo = QStringLiteral("4001234");
    QString codbar = QStringLiteral("7891234567895");
    QString tamanho = QStringLiteral("38");
    QString preco = QStringLiteral("129,90");
    int16_t qte = 1;
    QString promocao = QStringLiteral(" 50% ");
    QString semana = QStringLiteral(" S12 ");
};

// Every text is in the label font the layout finds on entry.
constexpr const char* kFont = "Estrangelo Edessa";

struct EarlierBoxFrontTest : ProductLabelTest {
    static constexpr double X = 1, X2 = 41, Y = 3;

    EarlierBoxFrontTest()
    {
        g.fonte_etiqueta = QString::fromUtf8(kFont);
        g.margem_caixa_col1 = static_cast<float>(X);
        g.margem_caixa_col2 = static_cast<float>(X2);
        g.margem_caixa_topo = static_cast<float>(Y);
    }
    void print(const BoxFront& a)
    {
        v1Imprime_40_45_2(program, a.tipo, a.descricao, a.cor, a.referencia, a.codigo, a.codbar, a.tamanho, a.preco,
                          a.qte, a.promocao, a.semana);
    }
};

TextAt at(const char* text, double size, bool bold, double x, double y) { return {text, kFont, size, bold, x, y}; }

TEST_F(EarlierBoxFrontTest, DrawsTheWholeLabelInTableOrder)
{
    print({});
    const auto& page = pages().at(0);
    const double cents = X + 16.5 + widthOf("129,", 14) + 0.4;
    const TextAt texts[] = {
        at("123", 30, true, X + 23.5, Y + 0.4),
        at("À VISTA", 6, false, X + 6.5, Y + 12.6),
        at("129,", 14, true, X + 16.5, Y + 10.5),
        at("90", 8, true, cents, Y + 10.5),
        at("4001234", 9, false, X + 2.3, Y + 19),
        at("TENIS CASUAL", 9, false, X + 2.3, Y + 22),
        at("PRETO", 9, false, X + 2.3, Y + 25),
        at("38", 24, true, X + 2.5, Y + 31.5),
        at("S12", 9, true, X + 20, Y + 27.4),
        at("50%", 12, true, X + 35, Y + 26.9),
        at("7", 8, false, X + 12.5, Y + 37),
        at("891234", 8, false, X + 16, Y + 37.2),
        at("567895", 8, false, X + 27.7, Y + 37.2),
    };
    ASSERT_EQ(page.ops.size(), std::size(texts) + 2);
    const auto& symbol = page.ops[0];
    ASSERT_EQ(symbol.kind, RecordingPrinter::Kind::Picture);
    EXPECT_EQ(symbol.barcode, "7891234567895");
    EXPECT_NEAR(symbol.x, X + 10, 1e-9);
    EXPECT_NEAR(symbol.y, Y + 24.6, 1e-9);
    EXPECT_DOUBLE_EQ(symbol.width, 35);
    EXPECT_DOUBLE_EQ(symbol.height, 14);
    const auto& logo = page.ops[1];
    ASSERT_EQ(logo.kind, RecordingPrinter::Kind::Picture);
    EXPECT_EQ(logo.file, "orvenna.jpg");
    EXPECT_NEAR(logo.x, X + 1.9, 1e-9);
    EXPECT_NEAR(logo.y, Y, 1e-9);
    EXPECT_DOUBLE_EQ(logo.width, 20);
    EXPECT_DOUBLE_EQ(logo.height, 10);
    ASSERT_TRUE(logo.source.has_value());
    EXPECT_DOUBLE_EQ(logo.source->width, 30);
    EXPECT_DOUBLE_EQ(logo.source->height, form.pctlogo2.picture.heightMm());
    for (std::size_t n = 0; n < std::size(texts); ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(page.ops[n + 2].text, texts[n].text);
        expectText(page, texts[n]);
    }
    EXPECT_EQ(g.fonte_etiqueta, QString::fromUtf8(kFont));
}

TEST_F(EarlierBoxFrontTest, PlacementFollowsTheCounter)
{
    // Each label by its page, the x of its code and the x of its "O" logo.
    struct At {
        int page;
        double code, logo;
    };
    const At left{0, X + 2.3, X + 1.9}, right{0, X2 + 2.3, X2 + 1.1};
    const auto on = [](int page, At a) { return At{page, a.code, a.logo}; };
    struct Case {
        const char* name;
        int16_t counter, qte;
        std::vector<At> labels;
        int16_t after;
    };
    const Case cases[] = {
        {"one label stays alone at the left", 1, 1, {on(1, left)}, 2},
        {"two fill a row, the logo 0.8 mm further in on the right", 1, 2, {on(1, left), on(1, right)}, 1},
        {"three: a row, then a left label", 1, 3, {on(1, left), on(1, right), on(2, left)}, 2},
        {"from 2 the first ends the current row", 2, 2, {on(1, right), on(2, left)}, 2},
        {"0 counts as right", 0, 1, {on(1, right)}, 1},
        {"a quantity of 0 prints nothing", 2, 0, {}, 2},
        {"nor does a negative one", 1, -1, {}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        g.coluna_etiqueta = c.counter;
        print({.qte = c.qte});
        EXPECT_EQ(g.coluna_etiqueta, c.after);
        EXPECT_EQ(printer.openDocument() != nullptr, !c.labels.empty());
        printer.endDoc();
        std::vector<At> got;
        if (!c.labels.empty()) {
            ASSERT_FALSE(printer.documents().empty());
            const auto& pages = printer.documents().back().pages;
            for (std::size_t p = 0; p < pages.size(); ++p) {
                std::vector<double> logos;
                for (const auto& op : pages[p].ops)
                    if (op.file == "orvenna.jpg")
                        logos.push_back(op.x);
                std::size_t k = 0;
                for (const auto* t : pages[p].texts())
                    if (t->text == "4001234")
                        got.push_back({int(p) + 1, t->x, k < logos.size() ? logos[k++] : -1});
            }
        }
        ASSERT_EQ(got.size(), c.labels.size());
        for (std::size_t n = 0; n < got.size(); ++n) {
            SCOPED_TRACE(n);
            EXPECT_EQ(got[n].page, c.labels[n].page);
            EXPECT_NEAR(got[n].code, c.labels[n].code, 1e-4);
            EXPECT_NEAR(got[n].logo, c.labels[n].logo, 1e-4);
        }
    }
}

TEST_F(EarlierBoxFrontTest, PriceBrandAndSize)
{
    struct Case {
        const char* name;
        BoxFront in;
        std::vector<TextAt> present;
        std::vector<QString> absent;
    };
    const double cents = X + 16.5 + 0.4;
    const Case cases[] = {
        {"no comma: empty amount, the last two characters as cents", {.preco = "129"},
         {at("29", 8, true, cents, Y + 10.5), at("À VISTA", 6, false, X + 6.5, Y + 12.6)}, {"129"}},
        {"\"0,00\" prints no price block", {.preco = "0,00"}, {at("123", 30, true, X + 23.5, Y + 0.4)},
         {"À VISTA", "0,", "00"}},
        {"nor does it with blanks around", {.preco = " 0,00 "}, {}, {"À VISTA", "0,", "00"}},
        {"an empty price prints only \"À VISTA\"", {.preco = ""}, {at("À VISTA", 6, false, X + 6.5, Y + 12.6)}, {}},
        {"brand K: its logo and a lower reference", {.tipo = "K"}, {at("123", 30, true, X + 23.5, Y + 1.0)}, {}},
        {"a lower-case o is another brand", {.tipo = "o"}, {at("123", 30, true, X + 23.5, Y + 1.0)}, {}},
        {"size of 1, brand O", {.tamanho = "5"}, {at("5", 24, true, X + 3.7, Y + 31.5)}, {}},
        {"size of 2, brand O", {.tamanho = "38"}, {at("38", 24, true, X + 2.5, Y + 31.5)}, {}},
        {"size of 3, brand O", {.tamanho = "385"}, {at("385", 20, true, X + 2.3, Y + 32)}, {}},
        {"size of 1, brand K", {.tipo = "K", .tamanho = "5"}, {at("5", 24, true, X + 3.8, Y + 31.5)}, {}},
        {"size of 2, brand K", {.tipo = "K", .tamanho = "38"}, {at("38", 24, true, X + 2.8, Y + 31.5)}, {}},
        {"size of 3, brand K", {.tipo = "K", .tamanho = "385"}, {at("385", 20, true, X + 2.5, Y + 32)}, {}},
        {"blanks count in the length", {.tamanho = " 38 "}, {}, {" 38 "}},
        {"a blank size prints none", {.tamanho = "  "}, {}, {"  "}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        g.coluna_etiqueta = 1;
        print(c.in);
        const auto& page = pages().at(0);
        for (const TextAt& want : c.present)
            expectText(page, want);
        for (const QString& text : c.absent)
            EXPECT_EQ(page.findText(text), nullptr) << text.toStdString();
        const bool o = c.in.tipo == "O";
        const auto pics = pictures(page);
        ASSERT_EQ(pics.size(), 2u);
        EXPECT_EQ(pics[1]->file, o ? "orvenna.jpg" : "mervalk.jpg");
        EXPECT_NEAR(pics[1]->x, X + (o ? 1.9 : 2), 1e-9);
        EXPECT_NEAR(pics[1]->y, Y + (o ? 0 : 2.5), 1e-9);
        EXPECT_DOUBLE_EQ(pics[1]->width, o ? 20 : 21);
        EXPECT_DOUBLE_EQ(pics[1]->height, o ? 10 : 6);
        EXPECT_DOUBLE_EQ(pics[1]->source->width, o ? 30 : 55);
    }
}

TEST_F(EarlierBoxFrontTest, DescriptionOnOneOrTwoLines)
{
    // The recording printer measures characters x size / 7 mm: at 9 pt, 27 characters stay within
    // 35 mm and 28 reach it; over 35 characters pass 45 mm and print at 7 pt.
    struct Case {
        const char* name;
        QString descricao;
        double size;
        const char* line1;
        const char* line2;  // nullptr: one line
    };
    const Case cases[] = {
        {"within the limit", "TENIS CASUAL MASCULINO COUR", 9, "TENIS CASUAL MASCULINO COUR", nullptr},
        {"cut at the last blank before the limit", "SAPATO SOCIAL MASCULINO COURO", 9, "SAPATO SOCIAL MASCULINO",
         "COURO"},
        {"a blank right at the limit is the one cut at", "AAAAAAAAAAAAAAAAAAAA AAAAAA BBB", 9,
         "AAAAAAAAAAAAAAAAAAAA AAAAAA", "BBB"},
        {"no blank: cut inside the word", "ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEF", 9, "ABCDEFGHIJKLMNOPQRSTUVWXYZAB",
         "CDEF"},
        {"only blanks after the cut keep one line", "AAAAAAAAAAAAAAAAAAAAAAAAAAAA   ", 9,
         "AAAAAAAAAAAAAAAAAAAAAAAAAAAA", nullptr},
        {"a long one prints at 7 pt, the rest however wide",
         "SAPATO SOCIAL MASCULINO COURO LEGITIMO CANO ALTO COM ZIPER LATERAL", 7, "SAPATO SOCIAL MASCULINO COURO",
         "LEGITIMO CANO ALTO COM ZIPER LATERAL"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        g.coluna_etiqueta = 1;
        print({.descricao = c.descricao});
        const auto& page = pages().at(0);
        const bool two = c.line2 != nullptr;
        expectText(page, at("4001234", 9, false, X + 2.3, Y + (two ? 16 : 19)));
        expectText(page, at(c.line1, c.size, false, X + 2.3, Y + (two ? 19 : 22)));
        if (two)
            expectText(page, at(c.line2, c.size, false, X + 2.3, Y + 22));
        expectText(page, at("PRETO", c.size, false, X + 2.3, Y + 25));
    }
}

TEST_F(EarlierBoxFrontTest, DescriptionExactlyAtTheLimitFits)
{
    printer.setTextWidth("SAPATO SOCIAL MASCULINO COURO", 35);
    print({.descricao = "SAPATO SOCIAL MASCULINO COURO"});
    expectText(pages().at(0), at("SAPATO SOCIAL MASCULINO COURO", 9, false, X + 2.3, Y + 22));
}

TEST_F(EarlierBoxFrontTest, DigitsUnderTheSymbolAreTheTextAsGiven)
{
    struct Case {
        const char* codbar;
        const char* symbol;  // what the picture encodes
        const char* group3;
    };
    const Case cases[] = {
        {"7891234567890", "7891234567895", "567890"},  // wrong check digit printed as given
        {"789123456789", "7891234567895", "56789"},    // 12 digits: the check digit is only in the bars
        {"78912345678951", "7891234567895", "567895"}, // past the 13th nothing is used
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.codbar);
        g.coluna_etiqueta = 1;
        print({.codbar = c.codbar});
        const auto& page = pages().at(0);
        EXPECT_EQ(pictures(page).at(0)->barcode, c.symbol);
        expectText(page, at(c.group3, 8, false, X + 27.7, Y + 37.2));
        EXPECT_EQ(form.txtbarra.text, c.codbar);
    }
}

TEST_F(EarlierBoxFrontTest, RefusedBarcodeDrawsNothingAndKeepsTheRowClear)
{
    g.coluna_etiqueta = 1;
    print({.codigo = "A"});
    try {
        print({.codigo = "B", .codbar = "78912345678"});
        FAIL() << "the short barcode went through";
    } catch (const BarcodeError& e) {
        EXPECT_EQ(e.description(), "Should be 12 Digit Numbers");
    }
    // The refused right-hand label drew nothing and still ended its row, so the next label
    // starts a page of its own instead of landing on the refused one's place.
    EXPECT_EQ(g.coluna_etiqueta, 1);
    print({.codigo = "C"});
    const auto& all = pages();
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0].findText("B"), nullptr);
    EXPECT_EQ(pictures(all[0]).size(), 2u);
    expectText(all[1], at("C", 9, false, X + 2.3, Y + 19));
}

}  // namespace
