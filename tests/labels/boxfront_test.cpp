#include "barcode/barcodeerror.h"
#include "labels/product/imprime_40_45_2.h"
#include "tests/labels/product_fixture.h"

namespace {

struct BoxFront {
    QString tipo = QStringLiteral("O");
    QString descricao = QStringLiteral("TENIS CASUAL");
    QString cor = QStringLiteral("PRETO");
    QString referencia = QStringLiteral("123");
    QString codigo = QStringLiteral("4001234");
    QString codbar = QStringLiteral("7891234567895");
    QString tamanho = QStringLiteral("38");
    QString preco = QStringLiteral("129,90");
    int16_t qte = 1;
    QString promocao = QStringLiteral("50%");
    QString semana = QStringLiteral("S12");
    QString bandeira = QStringLiteral("F1");
};

constexpr const char* kCalibri = "Calibri";
constexpr const char* kFranklin = "Franklin Gothic Medium";
constexpr const char* kMalgun = "Malgun Gothic Semilight";

struct BoxFrontTest : ProductLabelTest {
    BoxFrontTest()
    {
        g.margem_caixa_col1 = 0;
        g.margem_caixa_col2 = 40;
        g.margem_caixa_topo = 3;
    }
    void print(const BoxFront& a)
    {
        Imprime_40_45_2(program, a.tipo, a.descricao, a.cor, a.referencia, a.codigo, a.codbar, a.tamanho, a.preco,
                        a.qte, a.promocao, a.semana, a.bandeira);
    }
};

TEST_F(BoxFrontTest, DrawsTheWholeLabelInTableOrder)
{
    print({});
    const auto& page = pages().at(0);
    const double X = 0, Y = 3;
    // Price parts measured each in the font that prints it.
    const double c = widthOf("90", 9), i = widthOf("129,", 30), r = widthOf("R$", 7), v = widthOf("À VISTA", 6);
    struct Want {
        RecordingPrinter::Kind kind;
        QString text;
        const char* font;
        double size;
        bool bold;
        double x, y, w, h;
    };
    using K = RecordingPrinter::Kind;
    const Want want[] = {
        {K::Text, "S12", kCalibri, 8, false, X + 17, Y + 29.4, 0, 0},
        {K::Text, "50%", kCalibri, 14, true, X + 30, Y + 27, 0, 0},
        {K::Picture, "7891234567895", nullptr, 0, false, X + 11.4, Y + 33, 35, 14},
        {K::Picture, "orvenna.jpg", nullptr, 0, false, X + 2.5, Y, 38, 10},
        {K::Text, "123", kFranklin, 12, true, X + 30, Y - 0.3, 0, 0},
        {K::Text, "129,", kCalibri, 30, true, X + 39.3 - c - i + 0.1, Y + 6.7, 0, 0},
        {K::Text, "90", kCalibri, 9, true, X + 39.3 - c - 0.1, Y + 9, 0, 0},
        {K::Text, "R$", kMalgun, 7, true, X + 38.5 - c - i - r - 0.35, Y + 13.4, 0, 0},
        {K::Text, "À VISTA", kFranklin, 6, false, X + 38.5 - c - i - r - v - 1, Y + 14.4, 0, 0},
        {K::Text, "F1", kFranklin, 7, false, X + 35, Y + 18.7, 0, 0},
        {K::Text, "4001234", kFranklin, 7, true, X + 2.3, Y + 19, 0, 0},
        {K::Text, "TENIS CASUAL", kFranklin, 7, false, X + 2.3, Y + 21, 0, 0},
        {K::Text, "PRETO", kFranklin, 7, false, X + 2.3, Y + 24, 0, 0},
        {K::Text, "38", kCalibri, 32, true, X + 1.6, Y + 31, 0, 0},
        {K::Text, "789123", kCalibri, 7, false, X + 16.4, Y + 39.5, 0, 0},
        {K::Text, "4567895", kCalibri, 7, false, X + 27.7, Y + 39.5, 0, 0},
    };
    ASSERT_EQ(page.ops.size(), std::size(want));
    for (std::size_t n = 0; n < std::size(want); ++n) {
        SCOPED_TRACE(n);
        const auto& op = page.ops[n];
        const Want& w = want[n];
        ASSERT_EQ(op.kind, w.kind);
        EXPECT_NEAR(op.x, w.x, 1e-4);
        EXPECT_NEAR(op.y, w.y, 1e-4);
        if (w.kind == K::Picture) {
            EXPECT_EQ(w.text, op.barcode.isEmpty() ? op.file : op.barcode);
            EXPECT_DOUBLE_EQ(op.width, w.w);
            EXPECT_DOUBLE_EQ(op.height, w.h);
            continue;
        }
        EXPECT_EQ(op.text, w.text);
        EXPECT_EQ(op.font.name, QString::fromUtf8(w.font));
        EXPECT_DOUBLE_EQ(op.font.size, w.size);
        EXPECT_EQ(op.font.bold, w.bold);
    }
    EXPECT_EQ(g.fonte_etiqueta, "Franklin Gothic Semilight");
    EXPECT_EQ(form.txtbarra.text, "7891234567895");
}

TEST_F(BoxFrontTest, VariantsOfPriceDescriptionSizeAndPromotion)
{
    const double Y = 3;
    struct Logo {
        const char* file;
        double y, h, sourceWidth;
    };
    const Logo logoO{"orvenna.jpg", Y, 10, 300}, logoK{"mervalk.jpg", Y + 1.5, 6, 355};
    struct Case {
        const char* name;
        BoxFront in;
        Logo logo;
        std::vector<TextAt> present;
        std::vector<QString> absent;
    };
    const QString d32 = QStringLiteral("SAPATO SOCIAL MASCULINO COURO AB");  // 32 mm at 7 pt
    const Case cases[] = {
        {"brand K without price", {.tipo = "K", .preco = "0,00"}, logoK,
         {{"123", kFranklin, 30, true, 20, Y - 2.5}}, {"R$", "À VISTA", "90", "0,00"}},
        {"no price with blanks around it", {.preco = " 0,00 "}, logoO,
         {{"123", kFranklin, 30, true, 20, Y - 2.5}}, {"R$", "À VISTA"}},
        {"price without a comma: its last two characters are the cents", {.preco = "129"}, logoO,
         {{"29", kCalibri, 9, true, 39.2 - widthOf("29", 9), Y + 9},
          {"R$", kMalgun, 7, true, 38.15 - widthOf("29", 9) - 2, Y + 13.4},
          {"123", kFranklin, 12, true, 30, Y - 0.3}},
         {"129"}},
        {"a blank price counts as a price", {.preco = ""}, logoO,
         {{"R$", kMalgun, 7, true, 38.15 - 2, Y + 13.4}, {"À VISTA", kFranklin, 6, false, 37.5 - 2 - 6, Y + 14.4},
          {"123", kFranklin, 12, true, 30, Y - 0.3}},
         {}},
        {"description of exactly 32 mm stays on one line", {.descricao = d32}, logoO,
         {{"4001234", kFranklin, 7, true, 2.3, Y + 19}, {d32, kFranklin, 7, false, 2.3, Y + 21},
          {"PRETO", kFranklin, 7, false, 2.3, Y + 24}},
         {}},
        {"one more character is cut off onto the second line, mid-word", {.descricao = d32 + "X"}, logoO,
         {{"4001234", kFranklin, 7, true, 2.3, Y + 18}, {d32, kFranklin, 7, false, 2.3, Y + 21},
          {"X", kFranklin, 7, false, 2.3, Y + 24}, {"PRETO", kFranklin, 7, false, 2.3, Y + 27}},
         {}},
        {"a rest of blanks keeps the one-line places", {.descricao = d32 + "  "}, logoO,
         {{"4001234", kFranklin, 7, true, 2.3, Y + 19}, {d32, kFranklin, 7, false, 2.3, Y + 21},
          {"PRETO", kFranklin, 7, false, 2.3, Y + 24}},
         {}},
        {"line breaks are taken out", {.descricao = "TENIS\r\nCASUAL\n"}, logoO,
         {{"TENISCASUAL", kFranklin, 7, false, 2.3, Y + 21}}, {}},
        {"one-character size", {.tamanho = "5"}, logoO,
         {{"5", kCalibri, 32, true, 4.1, Y + 31}, {"789123", kCalibri, 7, false, 16.4, Y + 39.5}}, {}},
        {"three-character size", {.tamanho = "385"}, logoO, {{"385", kCalibri, 22, true, 1.2, Y + 34}}, {}},
        {"a four-character size prints nothing but leaves Calibri", {.tamanho = "3850"}, logoO,
         {{"789123", kCalibri, 7, false, 16.4, Y + 39.5}}, {"3850"}},
        {"a blank size leaves the digits in the description font", {.tamanho = "  "}, logoO,
         {{"789123", kFranklin, 7, false, 16.4, Y + 39.5}, {"4567895", kFranklin, 7, false, 27.7, Y + 39.5}}, {}},
        {"a short promotion prints larger", {.promocao = "AB"}, logoO, {{"AB", kCalibri, 16, true, 30, Y + 27}}, {}},
        {"a trailing blank counts before trimming", {.promocao = "AB "}, logoO,
         {{"AB", kCalibri, 14, true, 30, Y + 27}}, {}},
        {"week and colour are trimmed, the flag is not", {.cor = " PRETO ", .semana = " S12 ", .bandeira = " F1"},
         logoO,
         {{"S12", kCalibri, 8, false, 17, Y + 29.4}, {"PRETO", kFranklin, 7, false, 2.3, Y + 24},
          {" F1", kFranklin, 7, false, 35, Y + 18.7}},
         {}},
        {"a 12-digit code prints its own digits under the full symbol", {.codbar = "789123456789"}, logoO,
         {{"456789", kCalibri, 7, false, 27.7, Y + 39.5}}, {}},
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
        ASSERT_EQ(pics.size(), 2u);
        EXPECT_EQ(pics[0]->barcode, "7891234567895");
        const auto* logo = pics[1];
        EXPECT_EQ(logo->file, c.logo.file);
        EXPECT_NEAR(logo->x, 2.5, 1e-9);
        EXPECT_NEAR(logo->y, c.logo.y, 1e-9);
        EXPECT_DOUBLE_EQ(logo->width, 38);
        EXPECT_DOUBLE_EQ(logo->height, c.logo.h);
        ASSERT_TRUE(logo->source.has_value());
        EXPECT_DOUBLE_EQ(logo->source->x, 0);
        EXPECT_DOUBLE_EQ(logo->source->width, c.logo.sourceWidth);
        EXPECT_DOUBLE_EQ(logo->source->height, form.pctlogo1.picture.heightMm());
    }
}

TEST_F(BoxFrontTest, NoLabelsForQuantityZeroButThePreparationStillHappens)
{
    g.fonte_etiqueta = "Estrangelo Edessa";
    print({.qte = 0});
    EXPECT_EQ(printer.openDocument(), nullptr);
    EXPECT_EQ(g.coluna_etiqueta, 1);
    EXPECT_EQ(g.fonte_etiqueta, "Franklin Gothic Semilight");
    EXPECT_EQ(printer.fontName(), "Franklin Gothic Semilight");
    EXPECT_DOUBLE_EQ(printer.fontSize(), 7);
}

}  // namespace
