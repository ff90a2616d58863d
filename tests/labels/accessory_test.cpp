#include "barcode/barcodeerror.h"
#include "labels/product/imprime_acessorio_40_20_2.h"
#include "tests/labels/product_fixture.h"

namespace {

struct Accessory {
    QString tipo = QStringLiteral("O");
    QString descricao = QStringLiteral("CINTO COURO PRETO");
    QString referencia = QStringLiteral("999");  // not read: the reference comes from the code
    QString codigo = QStringLiteral("4001234");
    QString codbar = QStringLiteral("7891234567895");
    QString tamanho = QStringLiteral("2");
    QString preco = QStringLiteral("12,90");
    int16_t qte = 1;
    QString bandeira = QStringLiteral("F1");
    QString semana = QStringLiteral("S12");
    QString promocao = QStringLiteral("50%");
};

constexpr const char* kCalibri = "Calibri";
constexpr const char* kFranklin = "Franklin Gothic Medium";
constexpr const char* kMalgun = "Malgun Gothic Semilight";

// 52 characters: exactly the split limit at 7 pt on the recording printer.
const QString k52 = QStringLiteral("CINTO COURO LEGITIMO FIVELA NIQUELADA MASCULINO 40MM");

struct AccessoryTest : ProductLabelTest {
    // The default settings' margins 0, 40 and 2,2, lowered by the layout: the left label starts here.
    static constexpr double X = -4.8, Y = 2.2;

    AccessoryTest()
    {
        printer.setHeight(Twips{1200});
        setMargins();
    }
    void setMargins()
    {
        g.margem_oculta_col1 = 0;
        g.margem_oculta_col2 = 40;
        g.margem_oculta_topo = 2.2f;
    }
    void print(const Accessory& a)
    {
        Imprime_Acessorio_40_20_2(program, a.tipo, a.descricao, a.referencia, a.codigo, a.codbar, a.tamanho, a.preco,
                                  a.qte, a.bandeira, a.semana, a.promocao);
    }
};

TEST_F(AccessoryTest, DrawsTheWholeLabelInTableOrder)
{
    ASSERT_EQ(k52.size(), 52);
    print({});
    const auto& page = pages().at(0);
    const double wC = widthOf("90", 5), wI = widthOf("12,", 24), wR = widthOf("R$", 7), wV = widthOf("À VISTA", 6);
    const TextAt texts[] = {
        {"12,", kCalibri, 24, true, X + 44.1 - wC - wI, Y - 1.1},
        {"90", kCalibri, 12, true, X + 43 - wC, Y + 0.3},
        {"R$", kMalgun, 7, true, X + 44.05 - wC - wI - wR, Y + 3.9},
        {"À VISTA", kFranklin, 6, false, X + 43.4 - wC - wI - wR - wV, Y + 4.55},
        {"CINTO COURO PRETO", kFranklin, 5, true, X + 7, Y + 7.2},
        {"4001234", kFranklin, 5, true, X + 7, Y + 9.3},
        {"F1", kFranklin, 5, true, X + 18.7, Y + 9.4},
        {"S12", kFranklin, 5, true, X + 23.2, Y + 9.3},
        {"789123", kFranklin, 5, true, X + 9.8, Y + 16.7},
        {"4567895", kFranklin, 5, true, X + 21.2, Y + 16.7},
        {"50%", kFranklin, 14, true, X + 37.5, Y + 9.1},
        {"234", kFranklin, 8, true, X + 35.4, Y + 14.5},
    };
    // Logo first, the symbol painted straight after the single description line.
    const QString order[] = {"orvenna.jpg", "12,", "90", "R$", "À VISTA", "CINTO COURO PRETO", "7891234567895",
                             "4001234", "F1", "S12", "789123", "4567895", "50%", "234"};
    ASSERT_EQ(page.ops.size(), std::size(order));
    for (std::size_t n = 0; n < std::size(order); ++n) {
        const auto& op = page.ops[n];
        EXPECT_EQ(op.kind == RecordingPrinter::Kind::Text ? op.text : op.barcode.isEmpty() ? op.file : op.barcode,
                  order[n])
            << n;
    }
    for (const TextAt& t : texts)
        expectText(page, t);
    const auto& logo = page.ops[0];
    EXPECT_NEAR(logo.x, X + 9, 1e-4);
    EXPECT_NEAR(logo.y, Y + 0.5, 1e-4);
    EXPECT_DOUBLE_EQ(logo.width, 28);
    EXPECT_DOUBLE_EQ(logo.height, 6);
    ASSERT_TRUE(logo.source.has_value());
    EXPECT_DOUBLE_EQ(logo.source->width, 300);
    const auto& symbol = page.ops[6];
    EXPECT_NEAR(symbol.x, X + 4.6, 1e-4);
    EXPECT_NEAR(symbol.y, Y + 12, 1e-4);
    EXPECT_DOUBLE_EQ(symbol.width, 35);
    EXPECT_DOUBLE_EQ(symbol.height, 11);
    EXPECT_EQ(g.fonte_etiqueta, "Franklin Gothic Medium");
    EXPECT_EQ(printer.fontName(), "Franklin Gothic Medium");
    EXPECT_DOUBLE_EQ(printer.fontSize(), 8);
}

TEST_F(AccessoryTest, TwoLinesMoveTheBodyAndPaintTheSymbolAfterTheWeek)
{
    const QString description = k52 + QStringLiteral(" PRETO");
    print({.descricao = description});
    const auto& page = pages().at(0);
    const QString order[] = {"12,", "90", "R$", "À VISTA", k52, "PRETO", "4001234", "F1", "S12", "7891234567895",
                             "789123", "4567895", "50%", "234"};
    ASSERT_EQ(page.ops.size(), std::size(order) + 1);
    for (std::size_t n = 0; n < std::size(order); ++n) {
        const auto& op = page.ops[n + 1];
        EXPECT_EQ(op.kind == RecordingPrinter::Kind::Text ? op.text : op.barcode, order[n]) << n;
    }
    const TextAt texts[] = {
        {k52, kFranklin, 5, true, X + 7, Y + 7.1},        {"PRETO", kFranklin, 5, true, X + 7, Y + 8.7},
        {"4001234", kFranklin, 5, true, X + 7, Y + 10.5}, {"F1", kFranklin, 5, true, X + 18.7, Y + 10.5},
        {"S12", kFranklin, 5, true, X + 23.2, Y + 10.5},
    };
    for (const TextAt& t : texts)
        expectText(page, t);
    const auto& symbol = page.ops[10];
    EXPECT_NEAR(symbol.x, X + 4.6, 1e-4);
    EXPECT_NEAR(symbol.y, Y + 12.7, 1e-4);
    EXPECT_DOUBLE_EQ(symbol.height, 10);
}

TEST_F(AccessoryTest, PriceBrandAndDescriptionVariants)
{
    const double line1 = Y + 7.2;  // one-line place
    auto line = [](const QString& text, double y) { return TextAt{text, kFranklin, 5, true, X + 7, y}; };
    const QString noBreak60 = QString(60, u'A');
    struct Case {
        const char* name;
        Accessory in;
        const char* logo;
        std::vector<TextAt> present;
        std::vector<QString> absent;
    };
    const Case cases[] = {
        {"brand K without price", {.tipo = "K", .preco = "0,00"}, "mervalk.jpg",
         {{"50%", kFranklin, 14, true, X + 37.5, Y + 8.1}, {"234", kFranklin, 12, true, X + 34, Y + 13}},
         {"R$", "À VISTA", "0,00"}},
        {"no price with blanks around it", {.preco = " 0,00 "}, "orvenna.jpg",
         {{"234", kFranklin, 12, true, X + 34, Y + 13}}, {"R$"}},
        {"an empty price counts as a price", {.preco = ""}, "orvenna.jpg",
         {{"R$", kMalgun, 7, true, X + 44.05 - 2, Y + 3.9}, {"À VISTA", kFranklin, 6, false, X + 43.4 - 2 - 6, Y + 4.55},
          {"234", kFranklin, 8, true, X + 35.4, Y + 14.5}},
         {}},
        {"a price without a comma prints its last two characters as cents", {.preco = "45"}, "orvenna.jpg",
         {{"45", kCalibri, 12, true, X + 43 - widthOf("45", 5), Y + 0.3},
          {"R$", kMalgun, 7, true, X + 44.05 - widthOf("45", 5) - 2, Y + 3.9}},
         {}},
        {"under 52 mm is one line", {.descricao = k52.left(51)}, "orvenna.jpg", {line(k52.left(51), line1)}, {}},
        {"exactly 52 mm fits on one line", {.descricao = k52}, "orvenna.jpg",
         {line(k52, line1), {"4001234", kFranklin, 5, true, X + 7, Y + 9.3}}, {}},
        {"breaks at the last blank of the first prefix past 52 mm", {.descricao = k52 + "X"}, "orvenna.jpg",
         {line("CINTO COURO LEGITIMO FIVELA NIQUELADA MASCULINO", Y + 7.1), line("40MMX", Y + 8.7)}, {}},
        {"a dash stays on the first line", {.descricao = "CINTO COURO LEGITIMO FIVELA NIQUELADA MASCULINO-40MMX"},
         "orvenna.jpg", {line("CINTO COURO LEGITIMO FIVELA NIQUELADA MASCULINO-", Y + 7.1), line("40MMX", Y + 8.7)},
         {}},
        {"no break character: cut where it stops fitting", {.descricao = noBreak60}, "orvenna.jpg",
         {line(noBreak60.left(52), Y + 7.1), line(noBreak60.mid(52), Y + 8.7)}, {}},
        {"only a trailing blank past the limit keeps one line", {.descricao = k52 + " "}, "orvenna.jpg",
         {line(k52, line1)}, {}},
        {"a 12-digit code prints characters 7 to 12", {.codbar = "789123456789"}, "orvenna.jpg",
         {{"456789", kFranklin, 5, true, X + 21.2, Y + 16.7}}, {}},
        {"flag and week trimmed, promotion as given", {.bandeira = " F1 ", .semana = " S12 ", .promocao = " 50%"},
         "orvenna.jpg",
         {{"F1", kFranklin, 5, true, X + 18.7, Y + 9.4}, {"S12", kFranklin, 5, true, X + 23.2, Y + 9.3},
          {" 50%", kFranklin, 14, true, X + 37.5, Y + 9.1}},
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        g.coluna_etiqueta = 1;
        setMargins();
        print(c.in);
        const auto& page = pages().at(0);
        for (const TextAt& want : c.present)
            expectText(page, want);
        for (const QString& text : c.absent)
            EXPECT_EQ(page.findText(text), nullptr) << text.toStdString();
        const auto pics = pictures(page);
        ASSERT_EQ(pics.size(), 2u);
        EXPECT_EQ(pics[0]->file, c.logo);
        EXPECT_EQ(pics[1]->barcode, "7891234567895");
    }
}

TEST_F(AccessoryTest, OtherBrandLogo)
{
    print({.tipo = "o"});
    const auto pics = pictures(pages().at(0));
    ASSERT_FALSE(pics.empty());
    EXPECT_EQ(pics[0]->file, "mervalk.jpg");
    EXPECT_NEAR(pics[0]->x, X + 7.7, 1e-4);
    EXPECT_NEAR(pics[0]->y, Y - 0.4, 1e-4);
    EXPECT_DOUBLE_EQ(pics[0]->width, 22);
    EXPECT_DOUBLE_EQ(pics[0]->height, 5);
    EXPECT_DOUBLE_EQ(pics[0]->source->width, 300);
}

// The symbol is drawn before anything else: a refused code prints no logo, price or line, and
// the label's place stays free. The call still lowers the margins, as every call does.
TEST_F(AccessoryTest, RefusedBarcodeDrawsNothing)
{
    for (const QString& descricao : {QStringLiteral("CINTO PRETO"), k52 + " PRETO"}) {
        SCOPED_TRACE(descricao.toStdString());
        g.coluna_etiqueta = 1;
        setMargins();
        EXPECT_THROW(print({.descricao = descricao, .codbar = "", .qte = 2}), BarcodeError);
        EXPECT_EQ(printer.openDocument(), nullptr);
        EXPECT_EQ(g.coluna_etiqueta, 1);
        EXPECT_FLOAT_EQ(g.margem_oculta_col1, -4.8f);
    }
}

TEST_F(AccessoryTest, EveryCallLowersTheColumnMarginsAgain)
{
    print({.qte = 2});
    EXPECT_FLOAT_EQ(g.margem_oculta_col1, -4.8f);
    EXPECT_FLOAT_EQ(g.margem_oculta_col2, 38.5f);
    print({.qte = 2});
    EXPECT_FLOAT_EQ(g.margem_oculta_col1, -9.6f);
    EXPECT_FLOAT_EQ(g.margem_oculta_col2, 37.0f);
    EXPECT_FLOAT_EQ(g.margem_oculta_topo, 2.2f);
    const auto& done = pages();
    ASSERT_EQ(done.size(), 2u);
    const double logoX[2][2] = {{-4.8 + 9, 38.5 + 9}, {-9.6 + 9, 37 + 9}};
    for (int p = 0; p < 2; ++p) {
        const auto pics = pictures(done[p]);
        ASSERT_EQ(pics.size(), 4u);
        EXPECT_NEAR(pics[0]->x, logoX[p][0], 1e-4);
        EXPECT_NEAR(pics[2]->x, logoX[p][1], 1e-4);
    }
}

TEST_F(AccessoryTest, QuantityZeroStillDoesTheEntrySteps)
{
    print({.codbar = "123", .qte = 0});
    EXPECT_EQ(printer.openDocument(), nullptr);
    EXPECT_EQ(form.txtbarra.text, "123");
    EXPECT_FLOAT_EQ(g.margem_oculta_col1, -4.8f);
    EXPECT_EQ(g.fonte_etiqueta, "Franklin Gothic Medium");
    EXPECT_EQ(g.coluna_etiqueta, 1);
}

}  // namespace
