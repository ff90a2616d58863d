#include "alternative/layouts/v_ate_2606_imprime_acessorio_40_20_2.h"
#include "barcode/barcodeerror.h"
#include "tests/labels/product_fixture.h"

namespace {

struct Accessory {
    QString tipo = QStringLiteral("O");
    QString descricao = QStringLiteral("CINTO COURO PRETO");
    QString referencia = QStringLiteral("999");
    QString codigo = QStringLiteral("4001234");
    QString codbar = QStringLiteral("7891234567895");
    QString tamanho = QStringLiteral("2");
    QString preco = QStringLiteral("12,90");
    int16_t qte = 1;
    QString bandeira = QStringLiteral(" F1 ");
    QString semana = QStringLiteral(" S12 ");
    QString promocao = QStringLiteral("50%");
};

constexpr const char* kCalibri = "Calibri";
constexpr const char* kFranklin = "Franklin Gothic Medium";
constexpr const char* kMalgun = "Malgun Gothic Semilight";

double w(const char* text, double points) { return widthOf(QString::fromUtf8(text), points); }

struct Accessory2606Test : ProductLabelTest {
    // The margins as set, and the origins after the call's own shift of 4.8 and 1.5 mm.
    static constexpr float kCol1 = 3, kCol2 = 45, kTop = 3;
    static constexpr double X = 3 - 4.8, XRight = 45 - 1.5, Y = 3;

    Accessory2606Test()
    {
        printer.setHeight(Twips{1200});
        setMargins();
        g.fonte_etiqueta = QStringLiteral("Estrangelo Edessa");
    }
    void setMargins()
    {
        g.margem_oculta_col1 = kCol1;
        g.margem_oculta_col2 = kCol2;
        g.margem_oculta_topo = kTop;
    }
    void print(const Accessory& a)
    {
        V_ate_2606_Imprime_Acessorio_40_20_2(program, a.tipo, a.descricao, a.referencia, a.codigo, a.codbar,
                                             a.tamanho, a.preco, a.qte, a.bandeira, a.semana, a.promocao);
    }
};

TEST_F(Accessory2606Test, DrawsTheWholeOneLineLabel)
{
    print({});
    const auto& page = pages().at(0);
    const double wC = w("90", 5), wI = w("12,", 24), wR = w("R$", 7), wV = w("À VISTA", 6);
    const TextAt texts[] = {
        {"12,", kCalibri, 24, true, X + 44.4 - wC - wI - 0.3, Y - 1.1},
        {"90", kCalibri, 12, true, X + 43 - wC, Y + 0.3},
        {"R$", kMalgun, 7, true, X + 44.4 - wC - wI - wR - 0.35, Y + 3.9},
        {"À VISTA", kFranklin, 6, false, X + 44.4 - wC - wI - wR - wV - 1, Y + 4.55},
        {"CINTO COURO PRETO", kFranklin, 5, true, X + 7, Y + 7.2},
        {"4001234", kFranklin, 5, true, X + 7, Y + 9.3},
        {"F1", kFranklin, 5, true, X + 18.7, Y + 9.4},
        {"S12", kFranklin, 5, true, X + 23.2, Y + 9.3},
        {"789123", kFranklin, 5, true, X + 9.5, Y + 15.6},
        {"4567895", kFranklin, 5, true, X + 21.2, Y + 15.8},
        {"50%", kFranklin, 14, true, X + 37.5, Y + 9.1},
        {"234", kFranklin, 8, true, X + 35.4, Y + 14.5},  // from the code, not m_referencia
    };
    // The logo, the price block and the line, the symbol, then the rest.
    ASSERT_EQ(page.ops.size(), std::size(texts) + 2);
    const auto& logo = page.ops[0];
    ASSERT_EQ(logo.kind, RecordingPrinter::Kind::Picture);
    EXPECT_EQ(logo.file, "orvenna.jpg");
    const auto& symbol = page.ops[6];
    ASSERT_EQ(symbol.kind, RecordingPrinter::Kind::Picture);
    EXPECT_EQ(symbol.barcode, "7891234567895");
    EXPECT_NEAR(symbol.x, X + 4.6, 1e-5);
    EXPECT_NEAR(symbol.y, Y + 12, 1e-9);
    EXPECT_DOUBLE_EQ(symbol.width, 35);
    EXPECT_DOUBLE_EQ(symbol.height, 8);
    for (std::size_t n = 0; n < std::size(texts); ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(page.ops[n < 5 ? n + 1 : n + 2].text, texts[n].text);
        expectText(page, texts[n]);
    }
    EXPECT_EQ(page.findText("999"), nullptr);
    EXPECT_EQ(page.findText("2"), nullptr);
    EXPECT_EQ(g.fonte_etiqueta, kFranklin);
    EXPECT_EQ(form.txtbarra.text, "7891234567895");
}

TEST_F(Accessory2606Test, DescriptionBreaksAtTheRightmostSeparator)
{
    // At 7 pt the recording printer gives 1 mm a character: the first prefix past 52 mm is 53 long.
    const QString A19(19, u'A'), B19(19, u'B'), C9(9, u'C'), D10(10, u'D');
    struct Case {
        const char* name;
        QString descricao;
        double exactWidth;  // a measured width of the whole description, when not the metric's
        QString line1, line2;  // as printed; an empty line 2 is the one-line form
    };
    const Case cases[] = {
        {"fits", "CINTO COURO PRETO", 0, "CINTO COURO PRETO", ""},
        {"the rightmost of blank, dash, slash and dot wins", A19 + " " + B19 + "-" + C9 + "/" + D10, 0,
         A19 + " " + B19 + "-" + C9 + "/", D10},
        {"a dot too", A19 + "-" + B19 + " " + C9 + "." + D10, 0, A19 + "-" + B19 + " " + C9 + ".", D10},
        {"a blank at the break is dropped", A19 + "-" + QString(29, u'B') + " " + D10, 0,
         A19 + "-" + QString(29, u'B'), D10},
        {"no separator: cut where it stops fitting", QString(60, u'X'), 0, QString(52, u'X'), QString(8, u'X')},
        {"exactly 52 mm: one line", "CINTO COURO PRETO", 52, "CINTO COURO PRETO", ""},
        {"only a trailing blank past the limit: one line", QString(52, u'A') + " ", 0, QString(52, u'A'), ""},
        {"leading blanks: line 2 repeats the end of line 1", "  " + QString(20, u'A') + " " + QString(40, u'B'), 0,
         QString(20, u'A'), "AA " + QString(40, u'B')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        setMargins();
        g.coluna_etiqueta = 1;
        if (c.exactWidth > 0)
            printer.setTextWidth(c.descricao, c.exactWidth);
        print({.descricao = c.descricao});
        const auto& page = pages().at(0);
        const bool two = !c.line2.isEmpty();
        std::vector<std::pair<QString, double>> lines;
        for (const auto* t : page.texts())
            if (std::abs(t->x - (X + 7)) < 1e-5 && t->text != "4001234")
                lines.emplace_back(t->text, t->y);
        ASSERT_EQ(lines.size(), two ? 2u : 1u);
        EXPECT_EQ(lines[0].first, c.line1);
        EXPECT_NEAR(lines[0].second, Y + 7.2, 1e-9);
        if (two) {
            EXPECT_EQ(lines[1].first, c.line2);
            EXPECT_NEAR(lines[1].second, Y + 9, 1e-9);
        }
        EXPECT_NEAR(pictures(page).at(1)->y, Y + (two ? 12.9 : 12), 1e-9);
    }
}

TEST_F(Accessory2606Test, TwoLineBodyPositions)
{
    print({.descricao = QString(60, u'X'), .codbar = "789123456789"});
    const auto& page = pages().at(0);
    const TextAt texts[] = {
        {"4001234", kFranklin, 5, true, X + 7, Y + 10.8},
        {"F1", kFranklin, 5, true, X + 18.7, Y + 10.8},
        {"S12", kFranklin, 5, true, X + 23.2, Y + 10.8},
        {"789123", kFranklin, 5, true, X + 9.5, Y + 16.1},
        {"456789", kFranklin, 5, true, X + 21.2, Y + 16.1},  // 12 digits: the second group is short
    };
    for (const TextAt& t : texts)
        expectText(page, t);
    // The symbol is painted right after the second line, before the code.
    std::size_t line2 = 0, symbol = 0, code = 0;
    for (std::size_t n = 0; n < page.ops.size(); ++n) {
        if (page.ops[n].text == QString(8, u'X'))
            line2 = n;
        if (!page.ops[n].barcode.isEmpty())
            symbol = n;
        if (page.ops[n].text == "4001234")
            code = n;
    }
    EXPECT_EQ(symbol, line2 + 1);
    EXPECT_EQ(code, symbol + 1);
    EXPECT_EQ(page.ops[symbol].barcode, "7891234567895");
}

TEST_F(Accessory2606Test, PriceOrNoPriceAndTheLogoOfEachBrand)
{
    struct Case {
        const char* name;
        QString tipo, preco;
        std::vector<TextAt> present;
        std::vector<QString> absent;
        const char* logoFile;
        double logoX, logoY, logoW, logoH;
    };
    const double wR = w("R$", 7), wV = w("À VISTA", 6);
    const Case cases[] = {
        {"no price", "O", " 0,00 ",
         {{"50%", kFranklin, 14, true, X + 37.5, Y + 8.1}, {"234", kFranklin, 12, true, X + 34, Y + 13}},
         {"R$", "À VISTA", "0,", "00"}, "orvenna.jpg", 9, 0.5, 28, 6},
        {"an empty price counts as a price", "K", "",
         {{"R$", kMalgun, 7, true, X + 44.4 - wR - 0.35, Y + 3.9},
          {"À VISTA", kFranklin, 6, false, X + 44.4 - wR - wV - 1, Y + 4.55},
          {"50%", kFranklin, 14, true, X + 37.5, Y + 9.1}, {"234", kFranklin, 8, true, X + 35.4, Y + 14.5}},
         {}, "mervalk.jpg", 7.7, -0.4, 22, 5},
        {"no comma: cents only", "o", "45",
         {{"45", kCalibri, 12, true, X + 43 - w("45", 5), Y + 0.3},
          {"R$", kMalgun, 7, true, X + 44.4 - w("45", 5) - wR - 0.35, Y + 3.9}},
         {}, "mervalk.jpg", 7.7, -0.4, 22, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        setMargins();
        g.coluna_etiqueta = 1;
        print({.tipo = c.tipo, .preco = c.preco});
        const auto& page = pages().at(0);
        for (const TextAt& want : c.present)
            expectText(page, want);
        for (const QString& text : c.absent)
            EXPECT_EQ(page.findText(text), nullptr) << text.toStdString();
        const auto& logo = *pictures(page).at(0);
        EXPECT_EQ(logo.file, c.logoFile);
        EXPECT_NEAR(logo.x, X + c.logoX, 1e-5);
        EXPECT_NEAR(logo.y, Y + c.logoY, 1e-9);
        EXPECT_DOUBLE_EQ(logo.width, c.logoW);
        EXPECT_DOUBLE_EQ(logo.height, c.logoH);
        ASSERT_TRUE(logo.source.has_value());
        EXPECT_DOUBLE_EQ(logo.source->width, 300);
    }
}

TEST_F(Accessory2606Test, EveryCallLowersTheColumnMarginsAgain)
{
    print({.referencia = "1", .qte = 2});
    print({.referencia = "2", .qte = 2});
    print({.referencia = "3", .qte = 0});
    EXPECT_FLOAT_EQ(g.margem_oculta_col1, kCol1 - 3 * 4.8f);
    EXPECT_FLOAT_EQ(g.margem_oculta_col2, kCol2 - 3 * 1.5f);
    EXPECT_FLOAT_EQ(g.margem_oculta_topo, kTop);
    const auto& doc = pages();
    ASSERT_EQ(doc.size(), 2u);
    for (std::size_t p = 0; p < 2; ++p) {
        SCOPED_TRACE(p);
        std::vector<double> codes;
        for (const auto* t : doc[p].texts())
            if (t->text == "4001234")
                codes.push_back(t->x);
        ASSERT_EQ(codes.size(), 2u);
        EXPECT_NEAR(codes[0], kCol1 - 4.8 * (p + 1) + 7, 1e-5);
        EXPECT_NEAR(codes[1], kCol2 - 1.5 * (p + 1) + 7, 1e-5);
    }
}

TEST_F(Accessory2606Test, TwoAcrossCountsBeforeEachLabel)
{
    struct Case {
        int16_t counterOnEntry;
        int16_t qte;
        std::vector<std::vector<double>> pageCodesX;  // the codes' x, page by page
        int16_t counterAfter;
    };
    const Case cases[] = {
        {1, 3, {{X + 7, XRight + 7}, {X + 7}}, 2},
        {2, 1, {{XRight + 7}}, 1},
        {0, 1, {{XRight + 7}}, 1},  // any counter but 1 is the right-hand column
        {1, 0, {}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "counter " << c.counterOnEntry << ", " << c.qte << " labels");
        setMargins();
        form.txtbarra.text.clear();
        g.coluna_etiqueta = c.counterOnEntry;
        const std::size_t before = printer.documents().size();
        print({.qte = c.qte});
        EXPECT_EQ(g.coluna_etiqueta, c.counterAfter);
        EXPECT_EQ(form.txtbarra.text, "7891234567895");
        printer.endDoc();
        if (c.pageCodesX.empty()) {
            EXPECT_EQ(printer.documents().size(), before);
            continue;
        }
        const auto& doc = printer.documents().back();
        ASSERT_EQ(doc.pages.size(), c.pageCodesX.size());
        for (std::size_t p = 0; p < doc.pages.size(); ++p) {
            std::vector<double> xs;
            for (const auto* t : doc.pages[p].texts())
                if (t->text == "4001234")
                    xs.push_back(t->x);
            ASSERT_EQ(xs.size(), c.pageCodesX[p].size()) << "page " << p;
            for (std::size_t n = 0; n < xs.size(); ++n)
                EXPECT_NEAR(xs[n], c.pageCodesX[p][n], 1e-5);
        }
    }
}

TEST_F(Accessory2606Test, RefusedBarcodeLeavesItsPlaceInTheRow)
{
    // A right-hand label whose barcode is refused still ends its row, so the next label starts a
    // fresh page instead of landing on what was printed of it.
    g.coluna_etiqueta = 2;
    try {
        print({.codbar = ""});
        FAIL() << "the barcode was not refused";
    } catch (const BarcodeError& e) {
        EXPECT_EQ(e.description(), "Should be 12 Digit Numbers");
    }
    EXPECT_EQ(g.coluna_etiqueta, 1);
    setMargins();
    print({.codigo = "4005678"});
    const auto& doc = pages();
    ASSERT_EQ(doc.size(), 2u);
    std::vector<QString> refused;
    for (const auto* t : doc[0].texts())
        refused.push_back(t->text);
    EXPECT_EQ(refused, (std::vector<QString>{"12,", "90", "R$", "À VISTA", "CINTO COURO PRETO"}));
    EXPECT_EQ(pictures(doc[0]).size(), 1u);  // the logo only
    ASSERT_NE(doc[1].findText("4005678"), nullptr);
    EXPECT_NEAR(doc[1].findText("4005678")->x, X + 7, 1e-5);
}

}  // namespace
