#include "alternative/layouts/v3imprime_40_45_2.h"
#include "barcode/barcodeerror.h"
#include "tests/labels/product_fixture.h"

namespace {

struct BoxFront {
    QString tipo = QStringLiteral("K");
    QString descricao = QStringLiteral("TENIS CASUAL");
    QString cor = QStringLiteral(" PRETO ");
    QString referencia = QStringLiteral("123");
    QString codigo = QStringLiteral("4001234");
    QString codbar = QStringLiteral("7891234567895");
    QString tamanho = QStringLiteral("38");
    QString preco = QStringLiteral("39,90");
    int16_t qte = 1;
    QString promocao = QStringLiteral(" 50% ");
    QString semana = QStringLiteral(" S12 ");
};

constexpr const char* kFont = "Estrangelo Edessa";

// Widths of the recording printer at the price block's sizes.
double w(const char* text, double points) { return widthOf(QString::fromUtf8(text), points); }

struct V3BoxFrontTest : ProductLabelTest {
    static constexpr double X = 0, XRight = 40, Y = 3;
    QString tipo;  // the caller's brand variable after the last call

    V3BoxFrontTest()
    {
        g.margem_caixa_col1 = 0;
        g.margem_caixa_col2 = 40;
        g.margem_caixa_topo = 3;
        g.fonte_etiqueta = QString::fromUtf8(kFont);
    }
    void print(const BoxFront& a)
    {
        tipo = a.tipo;
        V3Imprime_40_45_2(program, tipo, a.descricao, a.cor, a.referencia, a.codigo, a.codbar, a.tamanho, a.preco,
                          a.qte, a.promocao, a.semana);
    }
    // The texts printed at x, in printing order, with their y and size.
    static std::vector<std::tuple<QString, double, double>> column(const RecordingPrinter::Page& page, double x)
    {
        std::vector<std::tuple<QString, double, double>> out;
        for (const auto* t : page.texts())
            if (std::abs(t->x - x) < 1e-9)
                out.emplace_back(t->text, t->y, t->font.size);
        return out;
    }
};

TEST_F(V3BoxFrontTest, DrawsTheWholeBrandOLabelInTheLabelFont)
{
    print({});
    const auto& page = pages().at(0);
    const double wc = w("90", 9), wi = w("39,", 22), wr = w("R$", 8), wv = w("À VISTA", 7);
    const TextAt texts[] = {
        {"S12", kFont, 9, true, X + 16, Y + 30.2},
        {"50%", kFont, 12, true, X + 32, Y + 29.5},
        {"123", kFont, 34, true, X + 21.5, Y - 0.6},
        {"39,", kFont, 22, true, X + 35 - wc - wi + 0.1, Y + 9.2},
        {"90", kFont, 9, true, X + 35 - wc - 0.1, Y + 9},
        {"R$", kFont, 8, false, X + 35 - wc - wi - wr - 0.35, Y + 12.7},
        {"À VISTA", kFont, 7, false, X + 35 - wc - wi - wr - wv - 1, Y + 12.7},
        {"4001234", kFont, 8, false, X + 2.3, Y + 19},
        {"TENIS CASUAL", kFont, 9, false, X + 2.3, Y + 22.2},
        {"PRETO", kFont, 9, false, X + 2.3, Y + 25.4},
        {"38", kFont, 30, true, X + 1.8, Y + 33.4},
        {"789123", kFont, 7, false, X + 15.8, Y + 39.8},
        {"4567895", kFont, 7, false, X + 27.2, Y + 39.8},
    };
    ASSERT_EQ(page.ops.size(), std::size(texts) + 2);
    // Week and promotion, then the symbol and the logo, then the rest of the texts.
    const auto& symbol = page.ops[2];
    ASSERT_EQ(symbol.kind, RecordingPrinter::Kind::Picture);
    EXPECT_EQ(symbol.barcode, "7891234567895");
    EXPECT_NEAR(symbol.x, X + 10.6, 1e-9);
    EXPECT_NEAR(symbol.y, Y + 33, 1e-9);
    EXPECT_DOUBLE_EQ(symbol.width, 35);
    EXPECT_DOUBLE_EQ(symbol.height, 14);
    EXPECT_FALSE(symbol.source.has_value());
    const auto& logo = page.ops[3];
    ASSERT_EQ(logo.kind, RecordingPrinter::Kind::Picture);
    EXPECT_EQ(logo.file, "orvenna.jpg");  // brand "O" whatever the caller passed
    EXPECT_NEAR(logo.x, X + 1.9, 1e-9);
    EXPECT_NEAR(logo.y, Y, 1e-9);
    EXPECT_DOUBLE_EQ(logo.width, 20);
    EXPECT_DOUBLE_EQ(logo.height, 10);
    ASSERT_TRUE(logo.source.has_value());
    EXPECT_DOUBLE_EQ(logo.source->width, 30);
    EXPECT_DOUBLE_EQ(logo.source->height, form.pctlogo2.picture.heightMm());
    for (std::size_t n = 0; n < std::size(texts); ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(page.ops[n < 2 ? n : n + 2].text, texts[n].text);
        expectText(page, texts[n]);
    }
    EXPECT_EQ(tipo, "O");
    EXPECT_EQ(g.fonte_etiqueta, kFont);
    EXPECT_EQ(form.txtbarra.text, "7891234567895");
    EXPECT_DOUBLE_EQ(printer.fontSize(), 7);
    EXPECT_FALSE(printer.fontBold());
}

TEST_F(V3BoxFrontTest, DescriptionSizeAndSplit)
{
    // At 9 pt the recording printer gives 9/7 mm a character: 27 characters stay within 35 mm
    // and 35 characters are exactly 45 mm; at 7 pt a character is 1 mm.
    struct Case {
        const char* name;
        QString descricao;
        std::vector<std::pair<QString, double>> widths;  // measured widths other than the metric's
        double size;
        std::vector<QString> lines;  // one or two
    };
    const Case cases[] = {
        {"one line", "TENIS CASUAL MASCULINO", {}, 9, {"TENIS CASUAL MASCULINO"}},
        {"breaks at the last blank before the split point", "TENIS CASUAL MASCULINO DE COURO", {}, 9,
         {"TENIS CASUAL MASCULINO DE", "COURO"}},
        {"a blank at the split point itself", QString(27, u'A') + " BBBB", {}, 9, {QString(27, u'A'), "BBBB"}},
        {"no blank: the word is cut", "CALCADOINFANTILMENINOMENINAXY", {}, 9, {"CALCADOINFANTILMENINOMENINAX", "Y"}},
        {"exactly 45 mm stays at 9 pt", "SANDALIA FEMININA SALTO ALTO VERNIZ", {}, 9,
         {"SANDALIA FEMININA SALTO", "ALTO VERNIZ"}},
        {"wider than 45 mm prints at 7 pt", "BOTA FEMININA CANO ALTO COURO LEGITIMO X", {}, 7,
         {"BOTA FEMININA CANO ALTO COURO", "LEGITIMO X"}},
        {"exactly 35 mm is not split", "TENIS CASUAL", {{"TENIS CASUAL", 35}}, 9, {"TENIS CASUAL"}},
        {"a leading part of exactly 35 mm is the split point", "TENIS CASUAL MASCULINO",
         {{"TENIS CASUAL MASCULINO", 40}, {"TENIS CASUAL", 35}}, 9, {"TENIS", "CASUAL MASCULINO"}},
        {"nothing but blanks left for line 2: one line", "TENISCASUALMASCULINOCOURO     ", {}, 9,
         {"TENISCASUALMASCULINOCOURO"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        g.coluna_etiqueta = 1;
        for (const auto& [text, mm] : c.widths)
            printer.setTextWidth(text, mm);
        print({.descricao = c.descricao});
        const auto printed = column(pages().at(0), X + 2.3);
        const bool two = c.lines.size() == 2;
        std::vector<std::tuple<QString, double, double>> want{{"4001234", Y + (two ? 16 : 19), 8}};
        for (std::size_t n = 0; n < c.lines.size(); ++n)
            want.emplace_back(c.lines[n], Y + (two ? 19.2 : 22.2) + 3.2 * n, c.size);
        want.emplace_back("PRETO", Y + (two ? 25.6 : 25.4), c.size);
        ASSERT_EQ(printed.size(), want.size());
        for (std::size_t n = 0; n < want.size(); ++n) {
            EXPECT_EQ(std::get<0>(printed[n]), std::get<0>(want[n]));
            EXPECT_NEAR(std::get<1>(printed[n]), std::get<1>(want[n]), 1e-9);
            EXPECT_DOUBLE_EQ(std::get<2>(printed[n]), std::get<2>(want[n]));
        }
    }
}

TEST_F(V3BoxFrontTest, PriceBlockIsRightAlignedOnMeasuredWidths)
{
    struct Case {
        const char* name;
        QString preco;
        std::vector<TextAt> present;
        std::vector<QString> absent;
    };
    const double wr = w("R$", 8), wv = w("À VISTA", 7);
    const auto currency = [&](double wc, double wi) {
        return std::vector<TextAt>{{"R$", kFont, 8, false, X + 35 - wc - wi - wr - 0.35, Y + 12.7},
                                   {"À VISTA", kFont, 7, false, X + 35 - wc - wi - wr - wv - 1, Y + 12.7}};
    };
    auto with = [](std::vector<TextAt> a, std::vector<TextAt> b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    const Case cases[] = {
        {"no price, blanks around it", " 0,00 ", {}, {"R$", "À VISTA", "0,", "00"}},
        {"cents are the last two characters", "12,5",
         with({{"12,", kFont, 22, true, X + 35 - w(",5", 9) - w("12,", 22) + 0.1, Y + 9.2},
               {",5", kFont, 9, true, X + 35 - w(",5", 9) - 0.1, Y + 9}},
              currency(w(",5", 9), w("12,", 22))),
         {}},
        {"no comma: no whole part", "45",
         with({{"45", kFont, 9, true, X + 35 - w("45", 9) - 0.1, Y + 9}}, currency(w("45", 9), 0)), {}},
        {"an empty price still prints the words", "", currency(0, 0), {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        g.coluna_etiqueta = 1;
        print({.preco = c.preco});
        const auto& page = pages().at(0);
        for (const TextAt& want : c.present)
            expectText(page, want);
        for (const QString& text : c.absent)
            EXPECT_EQ(page.findText(text), nullptr) << text.toStdString();
        // The code line is not bold, price or no price.
        expectText(page, {"4001234", kFont, 8, false, X + 2.3, Y + 19});
    }
}

TEST_F(V3BoxFrontTest, SizesByLength)
{
    struct Case {
        QString tamanho;
        double points;  // 0: no size printed
        double x;
    };
    const Case cases[] = {{"5", 30, 4.5}, {"38", 30, 1.8}, {"385", 22, 0.4}, {"3850", 0, 0}, {"  ", 0, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tamanho.toStdString());
        g.coluna_etiqueta = 1;
        print({.tamanho = c.tamanho});
        const auto& page = pages().at(0);
        if (c.points == 0) {
            EXPECT_EQ(page.findText(c.tamanho), nullptr);
            EXPECT_EQ(page.texts().size(), 12u);
        } else {
            expectText(page, {c.tamanho, kFont, c.points, true, X + c.x, Y + 33.4});
        }
        // The digits follow not bold either way.
        expectText(page, {"789123", kFont, 7, false, X + 15.8, Y + 39.8});
    }
}

TEST_F(V3BoxFrontTest, DigitGroupsFollowTheCodeAsGiven)
{
    struct Case {
        QString codbar;
        QString groups[2];
    };
    const Case cases[] = {
        {"789123456789", {"789123", "456789"}},    // 12 digits: the second group is short
        {"7891234567890", {"789123", "4567890"}},  // a wrong check digit is printed as given
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.codbar.toStdString());
        g.coluna_etiqueta = 1;
        print({.codbar = c.codbar});
        const auto& page = pages().at(0);
        EXPECT_EQ(pictures(page).at(0)->barcode, "7891234567895");
        expectText(page, {c.groups[0], kFont, 7, false, X + 15.8, Y + 39.8});
        expectText(page, {c.groups[1], kFont, 7, false, X + 27.2, Y + 39.8});
    }
}

TEST_F(V3BoxFrontTest, TwoAcrossWithTheBoxFrontMargins)
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
        {0, 1, {{XRight}}, 1},  // any counter but 1 is the right-hand column
        {1, 0, {}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "counter " << c.counterOnEntry << ", " << c.qte << " labels");
        g.coluna_etiqueta = c.counterOnEntry;
        const std::size_t before = printer.documents().size();
        print({.qte = c.qte});
        EXPECT_EQ(g.coluna_etiqueta, c.counterAfter);
        EXPECT_EQ(tipo, "O");
        printer.endDoc();
        if (c.pageOrigins.empty()) {
            EXPECT_EQ(printer.documents().size(), before);
            EXPECT_DOUBLE_EQ(printer.fontSize(), 9);  // the description's size was still set
            continue;
        }
        const auto& doc = printer.documents().back();
        ASSERT_EQ(doc.pages.size(), c.pageOrigins.size());
        for (std::size_t p = 0; p < doc.pages.size(); ++p) {
            std::vector<double> xs;
            for (const auto* t : doc.pages[p].texts())
                if (t->text == "123")
                    xs.push_back(t->x - 21.5);
            ASSERT_EQ(xs.size(), c.pageOrigins[p].size()) << "page " << p;
            for (std::size_t n = 0; n < xs.size(); ++n)
                EXPECT_NEAR(xs[n], c.pageOrigins[p][n], 1e-9);
        }
    }
}

TEST_F(V3BoxFrontTest, RefusedBarcodeLeavesItsPlaceInTheRow)
{
    // A right-hand label whose barcode is refused still ends its row, so the next label starts a
    // fresh page instead of landing on what was printed of it.
    print({});
    EXPECT_THROW(print({.codbar = "7891234", .semana = "S13"}), BarcodeError);
    EXPECT_EQ(g.coluna_etiqueta, 1);
    print({.referencia = "789"});
    const auto& doc = pages();
    ASSERT_EQ(doc.size(), 2u);
    std::vector<QString> right;
    for (const auto* t : doc[0].texts())
        if (t->x >= XRight)
            right.push_back(t->text);
    EXPECT_EQ(right, (std::vector<QString>{"S13", "50%"}));
    ASSERT_NE(doc[1].findText("789"), nullptr);
    EXPECT_NEAR(doc[1].findText("789")->x, X + 21.5, 1e-9);
}

}  // namespace
