#include "alternative/layouts/voldimprime_oculta_40_20_2.h"
#include "barcode/barcodeerror.h"
#include "tests/labels/product_fixture.h"

#include <vector>

namespace {

using Kind = RecordingPrinter::Kind;

struct Hidden {
    QString tipo = QStringLiteral("O");
    QString descricao = QStringLiteral("TENIS CASUAL");
    QString referencia = QStringLiteral("123");
    QString codigo = QStringLiteral("4001234");
    QString codbar = QStringLiteral("7891234567895");
    QString tamanho = QStringLiteral("38");
    int16_t qte = 1;
};

constexpr const char* kFont = "Estrangelo Edessa";
constexpr double X = 3, X2 = 45, Y = 2;  // the hidden-label margins of these tests

struct OldestHiddenTest : ProductLabelTest {
    OldestHiddenTest()
    {
        printer.setHeight(Twips{1200});
        g.fonte_etiqueta = QString::fromUtf8(kFont);
        g.margem_oculta_col1 = static_cast<float>(X);
        g.margem_oculta_col2 = static_cast<float>(X2);
        g.margem_oculta_topo = static_cast<float>(Y);
    }
    void print(const Hidden& a)
    {
        VoldImprime_Oculta_40_20_2(program, a.tipo, a.descricao, a.referencia, a.codigo, a.codbar, a.tamanho, a.qte);
    }
};

// One operation of the label: a text with its size and bold, or a box by its corners, or a picture.
struct Want {
    Kind kind;
    QString text;
    double x, y;
    double x2 = 0, y2 = 0;  // boxes and pictures: the far corner
    double size = 0;
    bool bold = false;
};
Want text(const char* t, double size, bool bold, double x, double y)
{
    return {Kind::Text, QString::fromUtf8(t), X + x, Y + y, 0, 0, size, bold};
}
Want rule(double x1, double y1, double x2, double y2) { return {Kind::Box, {}, X + x1, Y + y1, X + x2, Y + y2}; }
Want symbol(const char* code) { return {Kind::Picture, code, X + 8.7, Y + 5.8, X + 8.7 + 35, Y + 5.8 + 8}; }

void expectOps(const std::vector<RecordingPrinter::Op>& ops, const std::vector<Want>& want)
{
    ASSERT_EQ(ops.size(), want.size());
    for (std::size_t n = 0; n < want.size(); ++n) {
        SCOPED_TRACE(n);
        const auto& op = ops[n];
        const Want& w = want[n];
        ASSERT_EQ(op.kind, w.kind);
        EXPECT_NEAR(op.x, w.x, 1e-4);
        EXPECT_NEAR(op.y, w.y, 1e-4);
        if (w.kind == Kind::Text) {
            EXPECT_EQ(op.text, w.text);
            EXPECT_EQ(op.font.name, QString::fromUtf8(kFont));
            EXPECT_DOUBLE_EQ(op.font.size, w.size);
            EXPECT_EQ(op.font.bold, w.bold);
        } else {
            EXPECT_NEAR(op.x + op.width, w.x2, 1e-4);
            EXPECT_NEAR(op.y + op.height, w.y2, 1e-4);
            if (w.kind == Kind::Picture) {
                EXPECT_EQ(op.barcode, w.text);
            }
        }
    }
}

TEST_F(OldestHiddenTest, EachBrandDrawsItsLabelInOrder)
{
    struct Case {
        const char* name;
        Hidden in;
        bool callerBold;
        std::vector<Want> ops;
    };
    const std::vector<Want> common{symbol("7891234567895"), text("COD: 4001234", 7, false, 15.5, 6.9),
                                   text("7", 7, false, 11, 12.7), text("891234", 7, false, 16, 13),
                                   text("567895", 7, false, 27, 13)};
    const auto join = [](std::vector<Want> a, const std::vector<Want>& b, const std::vector<Want>& c) {
        a.insert(a.end(), b.begin(), b.end());
        a.insert(a.end(), c.begin(), c.end());
        return a;
    };
    const Case cases[] = {
        {"brand O with a size: its rule, an open corner, bold lines",
         {},
         false,
         join({text("123", 16, false, 30, 0.3), rule(28, -0.5, 28.5, 5), rule(28, 5, 39, 5.5)}, common,
              {text("38", 16, true, 1.6, 9.7), rule(0.8, 8, 9, 8.5), rule(9, 8, 9.4, 15),
               text("TENIS CASUAL", 7, true, 0, 0)})},
        {"brand O keeps the caller's bold on its reference",
         {.tamanho = ""},
         true,
         join({text("123", 16, true, 30, 0.3), rule(28, -0.5, 28.5, 5), rule(28, 5, 39, 5.5)}, common,
              {text("TENIS CASUAL", 7, false, 0, 0)})},
        {"brand K: caption, closed box round the size",
         {.tipo = "K", .tamanho = "385"},
         false,
         join({text("Ref.", 9, true, 22.8, 2), text("123", 16, true, 29, 0.5)}, common,
              {text("385", 10, true, 1.8, 9.8), rule(0.8, 8, 9, 8.5), rule(0.8, 14, 9, 14.5), rule(0.8, 8, 1.2, 14.5),
               rule(9, 8, 9.4, 14.5), text("TENIS CASUAL", 7, true, 0, 0)})},
        {"a lower-case o is another brand, and no size means no rules",
         {.tipo = "o", .tamanho = " "},
         false,
         join({text("Ref.", 9, true, 22.8, 2), text("123", 16, true, 29, 0.5)}, common,
              {text("TENIS CASUAL", 7, false, 0, 0)})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        g.coluna_etiqueta = 1;
        printer.setFontBold(c.callerBold);
        print(c.in);
        expectOps(openPage().ops, c.ops);
        EXPECT_EQ(printer.scaleMode(), ScaleMode::Millimetres);
        EXPECT_EQ(printer.fontName(), QString::fromUtf8(kFont));
        EXPECT_EQ(form.txtbarra.text, "7891234567895");
        printer.endDoc();
    }
}

TEST_F(OldestHiddenTest, SizeByLengthAndBrand)
{
    struct Case {
        const char* tipo;
        const char* tamanho;
        double x, y, size;  // size 0: nothing printed
    };
    const Case cases[] = {
        {"O", "5", 2.9, 9.3, 16},   {"O", "38", 1.6, 9.7, 16},  {"O", "385", 1.7, 9.9, 10},
        {"K", "5", 2.9, 9.3, 16},   {"K", "38", 1.7, 9.3, 16},  {"K", "385", 1.8, 9.8, 10},
        {"O", "3850", 0, 0, 0},     {"K", " 38 ", 0, 0, 0},     {"O", "", 0, 0, 0},
        {"K", "   ", 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.tipo) + " '" + c.tamanho + "'");
        g.coluna_etiqueta = 1;
        print({.tipo = c.tipo, .tamanho = c.tamanho});
        const auto& page = pages().at(0);
        std::size_t boxes = 0;
        for (const auto& op : page.ops)
            boxes += op.kind == Kind::Box && op.y > Y + 7;  // the size's rules, below the reference's
        const bool o = QString::fromUtf8(c.tipo) == "O";
        if (c.size > 0) {
            expectText(page, {c.tamanho, kFont, c.size, true, X + c.x, Y + c.y});
            EXPECT_EQ(boxes, o ? 2u : 4u);
        } else {
            if (*c.tamanho) {
                EXPECT_EQ(page.findText(c.tamanho), nullptr);
            }
            EXPECT_EQ(boxes, 0u);
        }
        // The description is there either way, bold only beside a size.
        expectText(page, {"TENIS CASUAL", kFont, 7, c.size > 0, X, Y});
    }
}

TEST_F(OldestHiddenTest, PlacementFollowsTheCounter)
{
    struct At {
        int page;
        double x;
    };
    struct Case {
        const char* name;
        int16_t counter, qte;
        std::vector<At> labels;
        int16_t after;
    };
    const Case cases[] = {
        {"one label stays alone at the left", 1, 1, {{1, X}}, 2},
        {"two fill a row", 1, 2, {{1, X}, {1, X2}}, 1},
        {"three: a row, then a left label", 1, 3, {{1, X}, {1, X2}, {2, X}}, 2},
        {"from 2 the first ends the current row", 2, 3, {{1, X2}, {2, X}, {2, X2}}, 1},
        {"0 counts as right", 0, 2, {{1, X2}, {2, X}}, 2},
        {"so does 3", 3, 1, {{1, X2}}, 1},
        {"a quantity of 0 prints nothing", 2, 0, {}, 2},
        {"nor does a negative one", 1, -3, {}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        g.coluna_etiqueta = c.counter;
        print({.qte = c.qte});
        EXPECT_EQ(g.coluna_etiqueta, c.after);
        EXPECT_EQ(printer.openDocument() != nullptr, !c.labels.empty());
        // The description is measured whether or not a label follows.
        EXPECT_EQ(printer.fontName(), QString::fromUtf8(kFont));
        printer.endDoc();
        std::vector<At> got;
        if (!c.labels.empty()) {
            ASSERT_FALSE(printer.documents().empty());
            const auto& pages = printer.documents().back().pages;
            for (std::size_t p = 0; p < pages.size(); ++p)
                for (const auto* t : pages[p].texts())
                    if (t->text == "COD: 4001234")
                        got.push_back({int(p) + 1, t->x - 15.5});
        }
        ASSERT_EQ(got.size(), c.labels.size());
        for (std::size_t n = 0; n < got.size(); ++n) {
            SCOPED_TRACE(n);
            EXPECT_EQ(got[n].page, c.labels[n].page);
            EXPECT_NEAR(got[n].x, c.labels[n].x, 1e-4);
        }
    }
}

TEST_F(OldestHiddenTest, QuantityZeroStillSetsTheMeasuringFont)
{
    printer.setFontSize(12);
    print({.qte = 0});
    EXPECT_DOUBLE_EQ(printer.fontSize(), 8);
}

TEST_F(OldestHiddenTest, DescriptionCutIntoThreeLines)
{
    // Measured at 8 pt, characters x 8 / 7 mm: 21 characters are exactly 24 mm, 22 pass it;
    // 19 stay under 22 mm, 20 pass it.
    struct Case {
        const char* name;
        const char* tipo;
        QString descricao;
        QString lines[3];
    };
    const QString a21 = QString(21, u'A');
    const Case cases[] = {
        {"narrower than the limit", "O", "TENIS CASUAL", {"TENIS CASUAL", "", ""}},
        {"cut inside a word, after the character that passes 24 mm", "O", "SAPATO SOCIAL MASCULINO COURO",
         {"SAPATO SOCIAL MASCULIN", "O COURO", ""}},
        {"the other brand cuts at 22 mm", "K", "SAPATO SOCIAL MASCULINO COURO", {"SAPATO SOCIAL MASCUL", "INO COURO", ""}},
        {"so does a lower-case o", "o", "SAPATO SOCIAL MASCULINO COURO", {"SAPATO SOCIAL MASCUL", "INO COURO", ""}},
        {"nothing trimmed: a line may start with a blank", "O", "SAPATO SOCIAL MASCULIN COURO",
         {"SAPATO SOCIAL MASCULIN", " COURO", ""}},
        {"a long second line gives a third, however wide", "O",
         "SAPATO SOCIAL MASCULINO COURO LEGITIMO CANO ALTO COM ZIPER LATERAL E FIVELA",
         {"SAPATO SOCIAL MASCULIN", "O COURO LEGITIMO CANO ", "ALTO COM ZIPER LATERAL E FIVELA"}},
        {"exactly at the limit the description fits", "O", a21, {a21, "", ""}},
        {"a second line exactly at the limit fits too", "O", QString(22, u'B') + a21,
         {QString(22, u'B'), a21, ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        g.coluna_etiqueta = 1;
        print({.tipo = c.tipo, .descricao = c.descricao});
        const auto& page = pages().at(0);
        const double ys[3] = {0, 2.2, 4.5};
        for (int n = 0; n < 3; ++n) {
            SCOPED_TRACE(n);
            if (c.lines[n].isEmpty())
                continue;
            expectText(page, {c.lines[n], kFont, 7, true, X, Y + ys[n]});
        }
        std::size_t lines = 0;
        for (const auto* t : page.texts())
            lines += std::abs(t->x - X) < 1e-9;
        EXPECT_EQ(lines, std::size_t(!c.lines[0].isEmpty()) + !c.lines[1].isEmpty() + !c.lines[2].isEmpty());
    }
}

TEST_F(OldestHiddenTest, BoldCarriesFromLabelToLabel)
{
    struct Case {
        const char* name;
        bool callerBold;
        const char* tamanho;
        std::vector<bool> reference;  // bold of the "O" reference on each label
    };
    const Case cases[] = {
        {"a size leaves bold on for the next reference", false, "38", {false, true, true}},
        {"without a size the caller's bold lasts one label", true, "", {true, false, false}},
        {"the caller's bold, then the size's", true, "38", {true, true, true}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        g.coluna_etiqueta = 1;
        printer.setFontBold(c.callerBold);
        print({.tamanho = c.tamanho, .qte = 3});
        std::vector<bool> got;
        for (const auto& page : pages())
            for (const auto* t : page.texts())
                if (t->text == "123")
                    got.push_back(t->font.bold);
        EXPECT_EQ(got, c.reference);
    }
}

TEST_F(OldestHiddenTest, DigitsUnderTheSymbolAreTheTextAsGiven)
{
    struct Case {
        const char* codbar;
        const char* symbol;
        const char* group3;
    };
    const Case cases[] = {
        {"7891234567890", "7891234567895", "567890"},
        {"789123456789", "7891234567895", "56789"},
        {"78912345678951", "7891234567895", "567895"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.codbar);
        g.coluna_etiqueta = 1;
        print({.codbar = c.codbar});
        const auto& page = pages().at(0);
        EXPECT_EQ(pictures(page).at(0)->barcode, c.symbol);
        expectText(page, {c.group3, kFont, 7, false, X + 27, Y + 13});
    }
}

TEST_F(OldestHiddenTest, RefusedBarcodeKeepsTheReferenceAndTheScale)
{
    struct Case {
        const char* codbar;
        const char* message;
    };
    const Case cases[] = {
        {"78912345678", "Should be 12 Digit Numbers"},
        {"78912345678A5", "An Invalid Character Found in Bar Text"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.codbar);
        g.coluna_etiqueta = 1;
        printer.setFontBold(true);
        try {
            print({.codbar = c.codbar, .qte = 2});
            ADD_FAILURE() << "the barcode went through";
        } catch (const BarcodeError& e) {
            EXPECT_EQ(e.source(), "EAN-13");
            EXPECT_EQ(e.description(), c.message);
        }
        // Only the reference block of the first label; the printer is back in millimetres.
        const auto& ops = openPage().ops;
        ASSERT_EQ(ops.size(), 3u);
        EXPECT_EQ(ops[0].text, "123");
        EXPECT_EQ(printer.scaleMode(), ScaleMode::Millimetres);
        EXPECT_FALSE(printer.fontBold());
        EXPECT_EQ(g.coluna_etiqueta, 2);
        printer.endDoc();
    }
}

TEST_F(OldestHiddenTest, RefusedRightHandLabelEndsItsRow)
{
    g.coluna_etiqueta = 1;
    print({.referencia = "AAA"});
    EXPECT_THROW(print({.tipo = "K", .referencia = "BBB", .codbar = "78912345678"}), BarcodeError);
    EXPECT_EQ(g.coluna_etiqueta, 1);
    print({.referencia = "CCC"});
    const auto& all = pages();
    ASSERT_EQ(all.size(), 2u);
    // The refused label's reference block stays alone in its place on the first page.
    expectText(all[0], {"BBB", kFont, 16, true, X2 + 29, Y + 0.5});
    EXPECT_EQ(all[0].findText("CCC"), nullptr);
    expectText(all[1], {"CCC", kFont, 16, false, X + 30, Y + 0.3});
}

}  // namespace
