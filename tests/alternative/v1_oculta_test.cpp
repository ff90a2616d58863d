#include "alternative/layouts/v1imprime_oculta_40_20_2.h"
#include "barcode/barcodeerror.h"
#include "tests/labels/product_fixture.h"

namespace {

struct Hidden {
    QString tipo = QStringLiteral("K");
    QString descricao = QStringLiteral("TENIS");
    QString referencia = QStringLiteral("123");
    QString codigo = QStringLiteral("4001234");
    QString codbar = QStringLiteral("7891234567895");
    QString tamanho = QStringLiteral("38");
    int16_t qte = 1;
    QString cor = QStringLiteral("PRETO");
};

constexpr const char* kFont = "Estrangelo Edessa";

struct V1HiddenTest : ProductLabelTest {
    static constexpr double X = 3, Y = 3;  // the left label's origin: the margins themselves
    QString tipo;                          // the caller's brand variable after the last call

    V1HiddenTest()
    {
        printer.setHeight(Twips{1200});
        g.margem_oculta_col1 = 3;
        g.margem_oculta_col2 = 45;
        g.margem_oculta_topo = 3;
        g.fonte_etiqueta = QString::fromUtf8(kFont);
    }
    void print(const Hidden& a)
    {
        tipo = a.tipo;
        V1_Imprime_Oculta_40_20_2(program, tipo, a.descricao, a.referencia, a.codigo, a.codbar, a.tamanho, a.qte,
                                  a.cor);
    }
};

TEST_F(V1HiddenTest, DrawsTheWholeLabelInTheLabelFont)
{
    print({});
    const auto& page = pages().at(0);
    // The reference keeps the weight the printer had; the lines keep the bold the size left.
    const TextAt texts[] = {
        {"123", kFont, 18, false, X + 30, Y + 0.3},
        {"4001234", kFont, 7, false, X + 19, Y + 6.5},
        {"7", kFont, 7, false, X + 11, Y + 12.7},
        {"891234", kFont, 7, false, X + 16, Y + 13},
        {"567895", kFont, 7, false, X + 27, Y + 13},
        {"38", kFont, 20, true, X + 2, Y + 8},
        {"TENIS", kFont, 7, true, X, Y},
        {"PRETO", kFont, 7, true, X, Y + 2.2},
    };
    ASSERT_EQ(page.ops.size(), std::size(texts) + 1);
    const auto& symbol = page.ops[1];
    ASSERT_EQ(symbol.kind, RecordingPrinter::Kind::Picture);
    EXPECT_EQ(symbol.barcode, "7891234567895");
    EXPECT_NEAR(symbol.x, X + 8.7, 1e-9);
    EXPECT_NEAR(symbol.y, Y + 5.8, 1e-9);
    EXPECT_DOUBLE_EQ(symbol.width, 35);
    EXPECT_DOUBLE_EQ(symbol.height, 8);
    for (std::size_t n = 0; n < std::size(texts); ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(page.ops[n == 0 ? 0 : n + 1].text, texts[n].text);
        expectText(page, texts[n]);
    }
    EXPECT_EQ(tipo, "O");  // written back into the caller's variable
    EXPECT_EQ(g.fonte_etiqueta, kFont);
    EXPECT_EQ(form.txtbarra.text, "7891234567895");
    EXPECT_EQ(printer.scaleMode(), ScaleMode::Millimetres);
}

TEST_F(V1HiddenTest, DescriptionBreaksAtTheFirstSeparatorPastTheLimit)
{
    // At 8 pt the recording printer gives 8/7 mm a character: 21 characters fit in 24.5 mm, a
    // prefix of 22 is past it.
    const double line1 = Y, line2 = Y + 2.2, line3 = Y + 4.5;
    struct Case {
        const char* name;
        QString descricao;
        double exactWidth;  // a measured width of the whole description, when not the metric's
        std::vector<std::pair<QString, double>> lines;
    };
    const Case cases[] = {
        {"fits: the colour moves up", "SAPATO SOCIAL MASCUL", 0, {{"SAPATO SOCIAL MASCUL", line1}, {"PRETO", line2}}},
        {"a blank before the limit does not break", "SAPATO SOCIAL MASCULINO COURO", 0,
         {{"SAPATO SOCIAL MASCULINO", line1}, {"COURO", line2}, {"PRETO", line3}}},
        {"a dash stays on the first line", "SAPATO SOCIAL MASCULINO-COURO", 0,
         {{"SAPATO SOCIAL MASCULINO-", line1}, {"COURO", line2}, {"PRETO", line3}}},
        {"a slash too", "SAPATO SOCIAL MASCULINO/COURO", 0,
         {{"SAPATO SOCIAL MASCULINO/", line1}, {"COURO", line2}, {"PRETO", line3}}},
        {"a digit is no break point", "SAPATO SOCIAL MASCULINO42.COURO", 0,
         {{"SAPATO SOCIAL MASCULINO42.", line1}, {"COURO", line2}, {"PRETO", line3}}},
        {"a break at the last character moves the colour up", "SAPATO SOCIAL MASCULINO.", 0,
         {{"SAPATO SOCIAL MASCULINO.", line1}, {"PRETO", line2}}},
        {"only blanks after the break keep the colour on line 3", "SAPATO SOCIAL MASCULINO-  ", 0,
         {{"SAPATO SOCIAL MASCULINO-", line1}, {"PRETO", line3}}},
        {"no break point: whole on line 1", "SAPATOSOCIALMASCULINOCOURO", 0,
         {{"SAPATOSOCIALMASCULINOCOURO", line1}, {"PRETO", line2}}},
        {"exactly at the limit: whole on line 1", "TENIS CASUAL", 24.5, {{"TENIS CASUAL", line1}, {"PRETO", line2}}},
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

TEST_F(V1HiddenTest, SizesAndTheBoldTheyCarry)
{
    struct Case {
        const char* name;
        bool boldOnEntry;
        QString tamanho;
        double points;  // 0: no size printed
        bool firstReferenceBold, secondReferenceBold, linesBold;
    };
    const Case cases[] = {
        {"one character", false, "5", 20, false, true, true},
        {"two characters", false, "38", 20, false, true, true},
        {"three characters at 18 pt", false, "385", 18, false, true, true},
        {"four characters print no size", false, "3850", 0, false, false, false},
        {"a blank size prints none", false, "  ", 0, false, false, false},
        {"the first reference takes the caller's bold", true, "38", 20, true, true, true},
        {"and loses it after the first label without a size", true, "", 0, true, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        g.coluna_etiqueta = 1;
        printer.setFontBold(c.boldOnEntry);
        print({.tamanho = c.tamanho, .qte = 2});
        const auto& page = pages().at(0);
        std::vector<const RecordingPrinter::Op*> references, lines, sizes;
        for (const auto* t : page.texts()) {
            if (t->text == "123")
                references.push_back(t);
            if (t->text == "TENIS")
                lines.push_back(t);
            if (t->text == c.tamanho)
                sizes.push_back(t);
        }
        ASSERT_EQ(references.size(), 2u);
        EXPECT_EQ(references[0]->font.bold, c.firstReferenceBold);
        EXPECT_EQ(references[1]->font.bold, c.secondReferenceBold);
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_EQ(lines[0]->font.bold, c.linesBold);
        if (c.points > 0) {
            ASSERT_EQ(sizes.size(), 2u);
            EXPECT_DOUBLE_EQ(sizes[0]->font.size, c.points);
            EXPECT_TRUE(sizes[0]->font.bold);
            EXPECT_NEAR(sizes[0]->x, X + 2, 1e-9);
            EXPECT_NEAR(sizes[0]->y, Y + 8, 1e-9);
        } else {
            EXPECT_TRUE(sizes.empty());
        }
    }
}

TEST_F(V1HiddenTest, DigitGroupsFollowTheCodeAsGiven)
{
    struct Case {
        QString codbar;
        QString groups[3];
    };
    const Case cases[] = {
        {"7891234567895", {"7", "891234", "567895"}},
        {"789123456789", {"7", "891234", "56789"}},   // 12 digits: the third group is short
        {"7891234567890", {"7", "891234", "567890"}},  // a wrong check digit is printed as given
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.codbar.toStdString());
        g.coluna_etiqueta = 1;
        print({.codbar = c.codbar});
        const auto& page = pages().at(0);
        EXPECT_EQ(pictures(page).at(0)->barcode, "7891234567895");
        const double xs[] = {X + 11, X + 16, X + 27};
        for (int n = 0; n < 3; ++n) {
            const auto* op = page.findText(c.groups[n]);
            ASSERT_NE(op, nullptr) << n;
            EXPECT_NEAR(op->x, xs[n], 1e-9);
        }
    }
}

TEST_F(V1HiddenTest, RightHandLabelAlwaysEndsTheRow)
{
    struct Case {
        int16_t counterOnEntry;
        int16_t qte;
        std::vector<std::vector<double>> pageReferencesX;  // the references' x, page by page
        int16_t counterAfter;
    };
    const Case cases[] = {
        {1, 3, {{X + 30, 45 + 30}, {X + 30}}, 2},
        {1, 2, {{X + 30, 45 + 30}}, 1},
        {2, 1, {{45 + 30}}, 1},
        {0, 2, {{45 + 30}, {X + 30}}, 2},  // any counter but 1 is the right-hand column
        {1, 0, {}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "counter " << c.counterOnEntry << ", " << c.qte << " labels");
        g.coluna_etiqueta = c.counterOnEntry;
        print({.qte = c.qte});
        EXPECT_EQ(g.coluna_etiqueta, c.counterAfter);
        EXPECT_EQ(tipo, "O");
        printer.endDoc();
        const std::size_t before = printer.documents().size();
        if (c.pageReferencesX.empty()) {
            EXPECT_DOUBLE_EQ(printer.fontSize(), 8);  // the description was still measured
            continue;
        }
        ASSERT_GE(before, 1u);
        const auto& doc = printer.documents().back();
        ASSERT_EQ(doc.pages.size(), c.pageReferencesX.size());
        for (std::size_t p = 0; p < doc.pages.size(); ++p) {
            std::vector<double> xs;
            for (const auto* t : doc.pages[p].texts())
                if (t->text == "123")
                    xs.push_back(t->x);
            ASSERT_EQ(xs.size(), c.pageReferencesX[p].size()) << "page " << p;
            for (std::size_t n = 0; n < xs.size(); ++n)
                EXPECT_NEAR(xs[n], c.pageReferencesX[p][n], 1e-9);
        }
    }
}

TEST_F(V1HiddenTest, BothBrandsPrintTheSameLabel)
{
    print({.tipo = "O", .qte = 2});
    const auto brandO = pages().at(0).ops;
    g.coluna_etiqueta = 1;
    printer.setFontBold(false);  // the first run's labels ended bold
    print({.tipo = "K", .qte = 2});
    const auto brandK = pages().at(0).ops;
    EXPECT_EQ(tipo, "O");
    ASSERT_EQ(brandO.size(), brandK.size());
    for (std::size_t n = 0; n < brandO.size(); ++n) {
        EXPECT_EQ(brandO[n].text, brandK[n].text);
        EXPECT_EQ(brandO[n].x, brandK[n].x);
        EXPECT_EQ(brandO[n].y, brandK[n].y);
        EXPECT_EQ(brandO[n].font.bold, brandK[n].font.bold);
    }
}

TEST_F(V1HiddenTest, RefusedBarcodeLeavesMillimetresAndItsPlaceInTheRow)
{
    // A right-hand label whose barcode is refused still ends its row, so the next label starts a
    // fresh page instead of landing on what was printed of it.
    g.coluna_etiqueta = 2;
    try {
        print({.codbar = "78912345678"});
        FAIL() << "the barcode was not refused";
    } catch (const BarcodeError& e) {
        EXPECT_EQ(e.description(), "Should be 12 Digit Numbers");
    }
    EXPECT_EQ(tipo, "O");
    EXPECT_EQ(printer.scaleMode(), ScaleMode::Millimetres);
    EXPECT_FALSE(printer.fontBold());
    EXPECT_EQ(g.coluna_etiqueta, 1);
    print({.referencia = "456"});
    const auto& doc = pages();
    ASSERT_EQ(doc.size(), 2u);
    ASSERT_EQ(doc[0].ops.size(), 1u);
    EXPECT_EQ(doc[0].ops[0].text, "123");
    EXPECT_NEAR(doc[0].ops[0].x, 45 + 30, 1e-9);
    const auto* next = doc[1].findText("456");
    ASSERT_NE(next, nullptr);
    EXPECT_NEAR(next->x, X + 30, 1e-9);

    g.coluna_etiqueta = 1;
    EXPECT_THROW(print({.codbar = "78912345678A"}), BarcodeError);
    EXPECT_EQ(printer.scaleMode(), ScaleMode::Millimetres);
    EXPECT_EQ(g.coluna_etiqueta, 2);
}

}  // namespace
