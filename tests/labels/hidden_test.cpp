#include "barcode/barcodeerror.h"
#include "labels/product/imprime_oculta_40_20_2.h"
#include "labels/toolkit/symbol.h"
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

constexpr const char* kCalibri = "Calibri";
constexpr const char* kFranklin = "Franklin Gothic Medium";

struct HiddenTest : ProductLabelTest {
    // The left label's origin: the margin plus the column's own offset.
    static constexpr double X = 3 + 2.3, Y = 3;

    HiddenTest()
    {
        printer.setHeight(Twips{1200});
        g.margem_oculta_col1 = 3;
        g.margem_oculta_col2 = 45;
        g.margem_oculta_topo = 3;
    }
    void print(const Hidden& a)
    {
        Imprime_Oculta_40_20_2(program, a.tipo, a.descricao, a.referencia, a.codigo, a.codbar, a.tamanho, a.qte,
                               a.cor);
    }
};

TEST_F(HiddenTest, DrawsTheWholeLabelInTableOrder)
{
    print({});
    const auto& page = pages().at(0);
    const TextAt texts[] = {
        {"123", kCalibri, 20, true, X + 28, Y - 1},
        {"4001234", kFranklin, 6, false, X + 18.3, Y + 7.5},
        {"789123", kFranklin, 6, false, X + 14.2, Y + 13.8},
        {"4567895", kFranklin, 6, false, X + 25.4, Y + 13.8},
        {"38", kCalibri, 26, true, X + 1, Y + 7},
        {"TENIS", kFranklin, 6, false, X + 0.5, Y + 0.2},
        {"PRETO", kFranklin, 6, false, X + 0.5, Y + 2.4},
    };
    ASSERT_EQ(page.ops.size(), std::size(texts) + 1);
    EXPECT_EQ(page.ops[0].text, "123");
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
    EXPECT_EQ(g.fonte_etiqueta, "Franklin Gothic Medium");
}

TEST_F(HiddenTest, DescriptionLinesSizesAndBrands)
{
    const double line1 = Y + 0.2, line2 = Y + 2.4, line3 = Y + 4.7;
    auto line = [](const char* text, double y) { return TextAt{text, kFranklin, 6, false, X + 0.5, y}; };
    struct Case {
        const char* name;
        Hidden in;
        std::size_t lines;  // description and colour lines printed
        std::vector<TextAt> present;
        std::vector<QString> absent;
    };
    const Case cases[] = {
        {"exactly 23 mm fits on the first line", {.descricao = "SAPATO SOCIAL MASCULINO"}, 2,
         {line("SAPATO SOCIAL MASCULINO", line1), line("PRETO", line2)}, {}},
        {"breaks after the first blank past 23 mm", {.descricao = "SAPATO SOCIAL MASCULINOS COURO"}, 3,
         {line("SAPATO SOCIAL MASCULINOS", line1), line("COURO", line2), line("PRETO", line3)}, {}},
        {"a dash stays at the end of the first line", {.descricao = "SAPATO SOCIAL MASCULINO-COURO"}, 3,
         {line("SAPATO SOCIAL MASCULINO-", line1), line("COURO", line2), line("PRETO", line3)}, {}},
        {"breaks before a digit that follows a letter", {.descricao = "BOTA COURO LEGITIMO CANO12CM"}, 3,
         {line("BOTA COURO LEGITIMO CANO", line1), line("12CM", line2), line("PRETO", line3)}, {}},
        {"a digit after a digit is no break", {.descricao = "BOTA COURO LEGITIMO 1234567"}, 2,
         {line("BOTA COURO LEGITIMO 1234567", line1), line("PRETO", line2)}, {}},
        {"no break past 23 mm keeps it whole", {.descricao = "TENIS CASUAL MASCULINO COURO"}, 2,
         {line("TENIS CASUAL MASCULINO COURO", line1), line("PRETO", line2)}, {}},
        {"a break at the last character moves the colour up", {.descricao = "SAPATO SOCIAL MASCULINO."}, 2,
         {line("SAPATO SOCIAL MASCULINO.", line1), line("PRETO", line2)}, {}},
        {"the colour is printed trimmed", {.cor = " PRETO "}, 2, {line("PRETO", line2)}, {}},
        {"one-character size", {.tamanho = "5"}, 2, {{"5", kCalibri, 20, true, X + 4, Y + 8.5}}, {}},
        {"three-character size", {.tamanho = "385"}, 2, {{"385", kCalibri, 20, true, X + 0.2, Y + 7.8}}, {}},
        {"a four-character size prints none", {.tamanho = "3850"}, 2, {line("TENIS", line1)}, {"3850"}},
        {"brand O shows the lines without a size", {.tamanho = " "}, 2, {line("TENIS", line1), line("PRETO", line2)}, {}},
        {"brand K shows them only beside a size", {.tipo = "K", .tamanho = " "}, 0,
         {{"123", kCalibri, 20, true, X + 28, Y - 1}, {"4001234", kFranklin, 6, false, X + 18.3, Y + 7.5}},
         {"TENIS", "PRETO"}},
        {"brand K with a size is drawn as brand O", {.tipo = "K"}, 2, {line("TENIS", line1), line("PRETO", line2)}, {}},
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
        const auto pics = pictures(page);
        ASSERT_EQ(pics.size(), 1u);
        EXPECT_EQ(pics[0]->barcode, "7891234567895");
        std::size_t lines = 0;
        for (const auto* t : page.texts())
            lines += std::abs(t->x - (X + 0.5)) < 1e-9;
        EXPECT_EQ(lines, c.lines);
    }
}

// The symbol is drawn before anything else: a refused code leaves no reference alone on a label.
TEST_F(HiddenTest, RefusedBarcodeDrawsNothing)
{
    for (const char* codbar : {"78912345", "78912345678X", ""}) {
        SCOPED_TRACE(codbar);
        g.coluna_etiqueta = 1;
        EXPECT_THROW(print({.codbar = QString::fromLatin1(codbar)}), BarcodeError);
        EXPECT_EQ(printer.openDocument(), nullptr);
        EXPECT_EQ(g.coluna_etiqueta, 1);
    }
}

// The digits under the symbol are the code as given, so a code whose symbol would encode others
// (a wrong check digit, or more than 13 digits) prints no label; 12 digits print, the symbol
// carrying the computed check digit.
TEST_F(HiddenTest, ACodeWhoseSymbolWouldEncodeOtherDigitsDrawsNothing)
{
    struct Case {
        const char* codbar;
        const char* reason;  // nullptr: printed
    };
    const Case cases[] = {
        {"7891234567890", "o dígito verificador não confere"},
        {"78912345678951", "tem mais de 13 dígitos"},
        {" 7891234567895", "tem mais de 13 caracteres, e não só dígitos"},
        {"789123456789", nullptr},
        {"7891234567895", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.codbar);
        g.coluna_etiqueta = 1;
        if (c.reason) {
            try {
                print({.codbar = QString::fromLatin1(c.codbar)});
                ADD_FAILURE() << "printed";
            } catch (const labels::PrintedDigitsError& e) {
                EXPECT_EQ(e.description(), QString::fromUtf8(c.reason));
            }
            EXPECT_EQ(printer.openDocument(), nullptr);
            EXPECT_EQ(g.coluna_etiqueta, 1);
            continue;
        }
        print({.codbar = QString::fromLatin1(c.codbar), .qte = 2});
        const auto& page = pages().front();
        ASSERT_EQ(pictures(page).size(), 2u);
        EXPECT_EQ(pictures(page)[0]->barcode, "7891234567895");
        EXPECT_NE(page.findText(QString::fromLatin1(c.codbar).mid(6)), nullptr);
    }
}

TEST_F(HiddenTest, OtherBrandWithoutSizeLeavesCalibriBoldForTheNextMeasure)
{
    print({.tipo = "K", .tamanho = ""});
    EXPECT_EQ(printer.fontName(), "Calibri");
    EXPECT_TRUE(printer.fontBold());
    EXPECT_DOUBLE_EQ(printer.fontSize(), 6);
    EXPECT_EQ(form.txtbarra.text, "7891234567895");
}

}  // namespace
