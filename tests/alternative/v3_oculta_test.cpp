#include "alternative/layouts/v3imprime_oculta_40_20_2.h"
#include "barcode/barcodeerror.h"
#include "tests/labels/product_fixture.h"

namespace {

struct Hidden {
    QString tipo = QStringLiteral("O");
    QString descricao = QStringLiteral("TENIS");
    QString referencia = QStringLiteral("123");
    QString codigo = QStringLiteral("4001234");
    QString codbar = QStringLiteral("7891234567895");
    QString tamanho = QStringLiteral("38");
    int16_t qte = 1;
    QString cor = QStringLiteral("PRETO");
};

constexpr const char* kFont = "Estrangelo Edessa";

struct V3HiddenTest : ProductLabelTest {
    // The two columns' origins: each margin plus its own offset.
    static constexpr double X = 3 + 2.1, XRight = 45 + 4.8, Y = 3;

    V3HiddenTest()
    {
        printer.setHeight(Twips{1200});
        g.margem_oculta_col1 = 3;
        g.margem_oculta_col2 = 45;
        g.margem_oculta_topo = 3;
        g.fonte_etiqueta = QString::fromUtf8(kFont);
    }
    void print(const Hidden& a)
    {
        v3Imprime_Oculta_40_20_2(program, a.tipo, a.descricao, a.referencia, a.codigo, a.codbar, a.tamanho, a.qte,
                                 a.cor);
    }
};

TEST_F(V3HiddenTest, DrawsTheWholeLabelBoldInTheLabelFont)
{
    print({});
    const auto& page = pages().at(0);
    const TextAt texts[] = {
        {"123", kFont, 18, true, X + 29, Y + 0.2},
        {"4001234", kFont, 7, true, X + 18.3, Y + 7.5},
        {"789123", kFont, 7, true, X + 14.2, Y + 13.8},
        {"4567895", kFont, 7, true, X + 25.4, Y + 13.8},
        {"38", kFont, 26, true, X + 1.2, Y + 8.8},
        {"TENIS", kFont, 6, true, X, Y},
        {"PRETO", kFont, 6, true, X, Y + 2.2},
    };
    ASSERT_EQ(page.ops.size(), std::size(texts) + 1);
    const auto& symbol = page.ops[1];
    ASSERT_EQ(symbol.kind, RecordingPrinter::Kind::Picture);
    EXPECT_EQ(symbol.barcode, "7891234567895");
    EXPECT_NEAR(symbol.x, X + 9.3, 1e-9);
    EXPECT_NEAR(symbol.y, Y + 10, 1e-9);
    EXPECT_DOUBLE_EQ(symbol.width, 35);
    EXPECT_DOUBLE_EQ(symbol.height, 8);
    for (std::size_t n = 0; n < std::size(texts); ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(page.ops[n == 0 ? 0 : n + 1].text, texts[n].text);
        expectText(page, texts[n]);
    }
    // The next call measures its description in this font.
    EXPECT_EQ(printer.fontName(), kFont);
    EXPECT_DOUBLE_EQ(printer.fontSize(), 6);
    EXPECT_TRUE(printer.fontBold());
    EXPECT_EQ(printer.scaleMode(), ScaleMode::Millimetres);
    EXPECT_EQ(g.fonte_etiqueta, kFont);
}

TEST_F(V3HiddenTest, DescriptionBreaksAtASeparatorOrBeforeANumber)
{
    // At 6 pt the recording printer gives 6/7 mm a character: 26 characters fit in 23 mm, a
    // prefix of 27 is past it.
    const double line1 = Y, line2 = Y + 2.2, line3 = Y + 4.5;
    struct Case {
        const char* name;
        QString descricao;
        double exactWidth;  // a measured width of the whole description, when not the metric's
        std::vector<std::pair<QString, double>> lines;
    };
    const Case cases[] = {
        {"fits: the colour moves up", "SAPATO SOCIAL MASCULINO 42", 0,
         {{"SAPATO SOCIAL MASCULINO 42", line1}, {"PRETO", line2}}},
        {"blanks before the limit do not break", "SAPATO SOCIAL MASCULINO COURO LEGITIMO", 0,
         {{"SAPATO SOCIAL MASCULINO COURO", line1}, {"LEGITIMO", line2}, {"PRETO", line3}}},
        {"a number past the limit starts line 2", "BOTA COURO LEGITIMO CANO ALTO12CM", 0,
         {{"BOTA COURO LEGITIMO CANO ALTO", line1}, {"12CM", line2}, {"PRETO", line3}}},
        {"a number before the limit does not break", "BOTA 2 CORES LEGITIMO CANOS/ALTO", 0,
         {{"BOTA 2 CORES LEGITIMO CANOS/", line1}, {"ALTO", line2}, {"PRETO", line3}}},
        {"a digit after a digit is no break point", "CALCADO INFANTIL MENINO 12345678", 0,
         {{"CALCADO INFANTIL MENINO 12345678", line1}, {"PRETO", line2}}},
        {"a separator before the number wins", "BOTA COURO LEGITIMO CANO AL-T12CM", 0,
         {{"BOTA COURO LEGITIMO CANO AL-", line1}, {"T12CM", line2}, {"PRETO", line3}}},
        {"a break at the last character moves the colour up", "SAPATO SOCIAL MASCULINO COURO.", 0,
         {{"SAPATO SOCIAL MASCULINO COURO.", line1}, {"PRETO", line2}}},
        {"only blanks after the break keep the colour on line 3", "SAPATO SOCIAL MASCULINO COURO-   ", 0,
         {{"SAPATO SOCIAL MASCULINO COURO-", line1}, {"PRETO", line3}}},
        {"no break point: whole on line 1", "SAPATOSOCIALMASCULINOCOURO", 0,
         {{"SAPATOSOCIALMASCULINOCOURO", line1}, {"PRETO", line2}}},
        {"exactly at the limit: whole on line 1", "TENIS CASUAL 40", 23, {{"TENIS CASUAL 40", line1}, {"PRETO", line2}}},
        {"empty: the colour on line 2", "", 0, {{"PRETO", line2}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        g.coluna_etiqueta = 1;
        if (c.exactWidth > 0)
            printer.setTextWidth(c.descricao, c.exactWidth);
        print({.descricao = c.descricao});
        const auto& page = pages().at(0);
        std::vector<std::pair<QString, double>> printed;
        for (const auto* t : page.texts())
            if (std::abs(t->x - X) < 1e-9)
                printed.emplace_back(t->text, t->y);
        ASSERT_EQ(printed.size(), c.lines.size());
        for (std::size_t n = 0; n < printed.size(); ++n) {
            EXPECT_EQ(printed[n].first, c.lines[n].first);
            EXPECT_NEAR(printed[n].second, c.lines[n].second, 1e-9);
        }
    }
}

TEST_F(V3HiddenTest, SizesByLength)
{
    struct Case {
        QString tamanho;
        double points;  // 0: no size printed
        double x;
    };
    const Case cases[] = {
        {"5", 26, X + 3.4}, {"38", 26, X + 1.2}, {"385", 24, X + 0.1}, {"3850", 0, 0}, {"   ", 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tamanho.toStdString());
        g.coluna_etiqueta = 1;
        print({.tamanho = c.tamanho});
        const auto& page = pages().at(0);
        const auto* op = page.findText(c.tamanho);
        if (c.points == 0) {
            EXPECT_EQ(op, nullptr);
            EXPECT_NE(page.findText("TENIS"), nullptr);
            continue;
        }
        ASSERT_NE(op, nullptr);
        EXPECT_DOUBLE_EQ(op->font.size, c.points);
        EXPECT_TRUE(op->font.bold);
        EXPECT_NEAR(op->x, c.x, 1e-9);
        EXPECT_NEAR(op->y, Y + 8.8, 1e-9);
    }
}

TEST_F(V3HiddenTest, DigitGroupsFollowTheCodeAsGiven)
{
    struct Case {
        QString codbar;
        QString groups[2];
    };
    const Case cases[] = {
        {"7891234567895", {"789123", "4567895"}},
        {"789123456789", {"789123", "456789"}},    // 12 digits: the second group is short
        {"7891234567890", {"789123", "4567890"}},  // a wrong check digit is printed as given
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.codbar.toStdString());
        g.coluna_etiqueta = 1;
        print({.codbar = c.codbar});
        const auto& page = pages().at(0);
        EXPECT_EQ(pictures(page).at(0)->barcode, "7891234567895");
        const double xs[] = {X + 14.2, X + 25.4};
        for (int n = 0; n < 2; ++n) {
            const auto* op = page.findText(c.groups[n]);
            ASSERT_NE(op, nullptr) << n;
            EXPECT_NEAR(op->x, xs[n], 1e-9);
        }
    }
}

TEST_F(V3HiddenTest, RightHandLabelAlwaysEndsTheRowAndColumnsHaveTheirOwnOffsets)
{
    struct Case {
        int16_t counterOnEntry;
        int16_t qte;
        std::vector<std::vector<double>> pageOrigins;  // the labels' x0, page by page
        int16_t counterAfter;
    };
    const Case cases[] = {
        {1, 3, {{X, XRight}, {X}}, 2},
        {2, 1, {{XRight}}, 1},
        {0, 2, {{XRight}, {X}}, 2},  // any counter but 1 is the right-hand column
        {1, 0, {}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "counter " << c.counterOnEntry << ", " << c.qte << " labels");
        g.coluna_etiqueta = c.counterOnEntry;
        const std::size_t before = printer.documents().size();
        print({.tipo = "K", .qte = c.qte});
        EXPECT_EQ(g.coluna_etiqueta, c.counterAfter);
        printer.endDoc();
        if (c.pageOrigins.empty()) {
            EXPECT_EQ(printer.documents().size(), before);
            continue;
        }
        const auto& doc = printer.documents().back();
        ASSERT_EQ(doc.pages.size(), c.pageOrigins.size());
        for (std::size_t p = 0; p < doc.pages.size(); ++p) {
            std::vector<double> xs;
            for (const auto* t : doc.pages[p].texts())
                if (t->text == "123")
                    xs.push_back(t->x - 29);
            ASSERT_EQ(xs.size(), c.pageOrigins[p].size()) << "page " << p;
            for (std::size_t n = 0; n < xs.size(); ++n)
                EXPECT_NEAR(xs[n], c.pageOrigins[p][n], 1e-9);
        }
    }
}

TEST_F(V3HiddenTest, TwoCallsShareARow)
{
    print({.tamanho = "38"});
    print({.referencia = "456", .tamanho = "39"});
    EXPECT_EQ(g.coluna_etiqueta, 1);
    const auto& doc = pages();
    ASSERT_EQ(doc.size(), 1u);
    EXPECT_NEAR(doc[0].findText("123")->x, X + 29, 1e-9);
    EXPECT_NEAR(doc[0].findText("456")->x, XRight + 29, 1e-9);
}

TEST_F(V3HiddenTest, RefusedBarcodeLeavesMillimetresAndItsPlaceInTheRow)
{
    // A right-hand label whose barcode is refused still ends its row, so the next label starts a
    // fresh page instead of landing on what was printed of it.
    print({});
    try {
        print({.referencia = "456", .codbar = "78912A456789"});
        FAIL() << "the barcode was not refused";
    } catch (const BarcodeError& e) {
        EXPECT_EQ(e.description(), "An Invalid Character Found in Bar Text");
    }
    EXPECT_EQ(printer.scaleMode(), ScaleMode::Millimetres);
    EXPECT_FALSE(printer.fontBold());
    EXPECT_EQ(g.coluna_etiqueta, 1);
    print({.referencia = "789"});
    const auto& doc = pages();
    ASSERT_EQ(doc.size(), 2u);
    const auto refused = doc[0].findText("456");
    ASSERT_NE(refused, nullptr);
    EXPECT_NEAR(refused->x, XRight + 29, 1e-9);
    EXPECT_EQ(pictures(doc[0]).size(), 1u);  // only the first label's symbol
    ASSERT_NE(doc[1].findText("789"), nullptr);
    EXPECT_NEAR(doc[1].findText("789")->x, X + 29, 1e-9);
}

}  // namespace
