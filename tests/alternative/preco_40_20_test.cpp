#include "alternative/layouts/imprime_preco_40_20_2.h"
#include "tests/labels/product_fixture.h"

#include <vector>

namespace {

using Kind = RecordingPrinter::Kind;

struct Price {
    QString tipo = QStringLiteral("O");
    bool logo = true;
    QString referencia = QStringLiteral("123");
    QString codigo = QStringLiteral("4001234");
    int16_t qte = 1;
    QString preco1 = QStringLiteral("129,90");
    QString preco2 = QStringLiteral("99,90");
};

// The caller's font: the label names none of its own.
constexpr const char* kCallerFont = "Estrangelo Edessa";

struct PriceLabelTest : ProductLabelTest {
    static constexpr double X = 2, X2 = 44, Y = 1;

    PriceLabelTest()
    {
        printer.setHeight(Twips{1200});
        printer.setFontName(QString::fromUtf8(kCallerFont));
        g.margem_preco_1 = static_cast<float>(X);
        g.margem_preco_2 = static_cast<float>(X2);
        g.margem_preco_3 = static_cast<float>(Y);
    }
    void print(const Price& a)
    {
        Imprime_Preco_40_20_2(program, a.tipo, a.logo, a.referencia, a.codigo, a.qte, a.preco1, a.preco2);
    }
};

// One drawing operation as the label must make it; texts also give size, bold and colour.
struct Want {
    Kind kind;
    QString text;  // texts: what is printed; pictures: the file of the logo
    double x, y;
    double width = 0, height = 0;  // boxes and pictures
    double size = 0;
    bool bold = false;
    QRgb color = 0x000000;
};

void expectOps(const RecordingPrinter::Page& page, const std::vector<Want>& want)
{
    ASSERT_EQ(page.ops.size(), want.size());
    for (std::size_t n = 0; n < want.size(); ++n) {
        SCOPED_TRACE(n);
        const auto& op = page.ops[n];
        const Want& w = want[n];
        ASSERT_EQ(op.kind, w.kind);
        EXPECT_NEAR(op.x, w.x, 1e-4);
        EXPECT_NEAR(op.y, w.y, 1e-4);
        if (w.kind == Kind::Text) {
            EXPECT_EQ(op.text, w.text);
            EXPECT_EQ(op.font.name, QString::fromUtf8(kCallerFont));
            EXPECT_DOUBLE_EQ(op.font.size, w.size);
            EXPECT_EQ(op.font.bold, w.bold);
            EXPECT_EQ(op.color, w.color);
        } else {
            EXPECT_NEAR(op.width, w.width, 1e-4);
            EXPECT_NEAR(op.height, w.height, 1e-4);
            if (w.kind == Kind::Picture) {
                EXPECT_EQ(op.file, w.text);
            }
        }
    }
}

Want box(double x1, double y1, double x2, double y2) { return {Kind::Box, {}, x1, y1, x2 - x1, y2 - y1}; }
Want text(const char* t, double x, double y, double size, bool bold, QRgb color = 0x000000)
{
    return {Kind::Text, QString::fromUtf8(t), x, y, 0, 0, size, bold, color};
}

TEST_F(PriceLabelTest, EachBrandDrawsItsLabelInOrder)
{
    struct Case {
        const char* name;
        Price in;
        std::vector<Want> ops;
    };
    const Case cases[] = {
        {"brand O: rule at the reference, its own logo",
         {},
         {text("123", X + 31, Y + 2.8, 16, false), box(X + 28, Y + 1.8, X + 28.5, Y + 7.3),
          box(X + 28, Y + 7.3, X + 39, Y + 7.8), text("De: 129,90", X, Y + 10.6, 11, false),
          box(X + 17.7, Y + 9.9, X + 39.9, Y + 14.8), text("Por: 99,90", X + 20.4, Y + 10.6, 11, false, 0xFFFFFF),
          text("COD: 4001234", X, Y + 15.6, 8, false), {Kind::Picture, "orvenna.jpg", X + 1, Y + 2, 24.5, 5}}},
        {"brand K: caption in bold, the other logo",
         {.tipo = "K"},
         {text("Ref.", X + 24, Y + 4.3, 10, true), text("123", X + 31, Y + 2.8, 16, true),
          text("De: 129,90", X, Y + 10.6, 11, false), box(X + 17.7, Y + 9.9, X + 39.9, Y + 14.8),
          text("Por: 99,90", X + 20.4, Y + 10.6, 11, false, 0xFFFFFF), text("COD: 4001234", X, Y + 15.6, 8, false),
          {Kind::Picture, "mervalk.jpg", X, Y + 2.3, 24.3, 5}}},
        {"a lower-case o is another brand",
         {.tipo = "o", .logo = false},
         {text("Ref.", X + 24, Y + 4.3, 10, true), text("123", X + 31, Y + 2.8, 16, true),
          text("De: 129,90", X, Y + 10.6, 11, false), box(X + 17.7, Y + 9.9, X + 39.9, Y + 14.8),
          text("Por: 99,90", X + 20.4, Y + 10.6, 11, false, 0xFFFFFF), text("COD: 4001234", X, Y + 15.6, 8, false)}},
        {"prices and code print as given: no comma, \"0,00\", empty",
         {.logo = false, .codigo = "", .preco1 = "129", .preco2 = "0,00"},
         {text("123", X + 31, Y + 2.8, 16, false), box(X + 28, Y + 1.8, X + 28.5, Y + 7.3),
          box(X + 28, Y + 7.3, X + 39, Y + 7.8), text("De: 129", X, Y + 10.6, 11, false),
          box(X + 17.7, Y + 9.9, X + 39.9, Y + 14.8), text("Por: 0,00", X + 20.4, Y + 10.6, 11, false, 0xFFFFFF),
          text("COD: ", X, Y + 15.6, 8, false)}},
        {"an empty price still prints its caption on the box",
         {.tipo = "K", .logo = false, .preco1 = "", .preco2 = ""},
         {text("Ref.", X + 24, Y + 4.3, 10, true), text("123", X + 31, Y + 2.8, 16, true),
          text("De: ", X, Y + 10.6, 11, false), box(X + 17.7, Y + 9.9, X + 39.9, Y + 14.8),
          text("Por: ", X + 20.4, Y + 10.6, 11, false, 0xFFFFFF), text("COD: 4001234", X, Y + 15.6, 8, false)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        g.coluna_etiqueta = 1;
        printer.setFontBold(false);
        print(c.in);
        expectOps(openPage(), c.ops);
        EXPECT_EQ(g.coluna_etiqueta, 2);
        // Left as it ends: 8 pt, not bold, black.
        EXPECT_DOUBLE_EQ(printer.fontSize(), 8);
        EXPECT_FALSE(printer.fontBold());
        EXPECT_EQ(printer.foreColor(), 0x000000u);
        EXPECT_EQ(printer.fontName(), QString::fromUtf8(kCallerFont));
        printer.endDoc();
    }
}

TEST_F(PriceLabelTest, PlacementFollowsTheCounter)
{
    // Where each label's first price lands: the page, the column's x and the price line.
    struct At {
        int page;
        double x, y;
    };
    struct Case {
        const char* name;
        int16_t counter, qte;
        std::vector<At> labels;
        int16_t after;
    };
    const double left = Y + 10.6, right = Y + 10.7;
    const Case cases[] = {
        {"one label from 1 stays alone at the left", 1, 1, {{1, X, left}}, 2},
        {"two labels fill a row, then a new page", 1, 2, {{1, X, left}, {1, X2, right}}, 1},
        {"three: a row, then a left label", 1, 3, {{1, X, left}, {1, X2, right}, {2, X, left}}, 2},
        {"from 2 the first goes right and ends the row", 2, 3, {{1, X2, right}, {2, X, left}, {2, X2, right}}, 1},
        {"0 counts as right", 0, 2, {{1, X2, right}, {2, X, left}}, 2},
        {"so does 3", 3, 1, {{1, X2, right}}, 1},
        {"a quantity of 0 prints nothing", 2, 0, {}, 2},
        {"nor does a negative one", 1, -2, {}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        g.coluna_etiqueta = c.counter;
        print({.logo = false, .qte = c.qte});
        EXPECT_EQ(g.coluna_etiqueta, c.after);
        EXPECT_EQ(printer.openDocument() != nullptr, !c.labels.empty());
        printer.endDoc();
        std::vector<At> got, second;
        if (!c.labels.empty()) {
            ASSERT_FALSE(printer.documents().empty());
            const auto& pages = printer.documents().back().pages;
            for (std::size_t p = 0; p < pages.size(); ++p)
                for (const auto* t : pages[p].texts())
                    if (t->text.startsWith(QStringLiteral("De: ")))
                        got.push_back({int(p) + 1, t->x, t->y});
                    else if (t->text.startsWith(QStringLiteral("Por: ")))
                        second.push_back({int(p) + 1, t->x - 20.4, t->y});
        }
        // Both prices of a label stand on its price line.
        for (const auto* prices : {&got, &second}) {
            ASSERT_EQ(prices->size(), c.labels.size());
            for (std::size_t n = 0; n < prices->size(); ++n) {
                SCOPED_TRACE(n);
                EXPECT_EQ((*prices)[n].page, c.labels[n].page);
                EXPECT_NEAR((*prices)[n].x, c.labels[n].x, 1e-4);
                EXPECT_NEAR((*prices)[n].y, c.labels[n].y, 1e-4);
            }
        }
    }
}

TEST_F(PriceLabelTest, BrandOReferenceCarriesBoldFromTheCaller)
{
    struct Case {
        const char* tipo;
        bool callerBold;
        bool first, second;  // bold of the reference on the first and second label
    };
    const Case cases[] = {
        {"O", true, true, false},  // the caller's bold, then what the first label left
        {"O", false, false, false},
        {"K", false, true, true},  // the other brand always switches it on
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.tipo) + (c.callerBold ? " bold" : " plain"));
        g.coluna_etiqueta = 1;
        printer.setFontBold(c.callerBold);
        print({.tipo = c.tipo, .qte = 2});
        std::vector<bool> bold;
        for (const auto* t : openPage().texts())
            if (t->text == "123")
                bold.push_back(t->font.bold);
        EXPECT_EQ(bold, (std::vector<bool>{c.first, c.second}));
        printer.endDoc();
    }
}

TEST_F(PriceLabelTest, LogoOnlyOnRequestAndOnlyWhenLoaded)
{
    struct Case {
        const char* name;
        const char* tipo;
        bool logo;
        bool loaded;
        std::size_t pictures;
    };
    const Case cases[] = {
        {"requested and loaded", "O", true, true, 1},
        {"not requested", "O", false, true, 0},
        {"requested, never loaded: nothing painted, no error", "O", true, false, 0},
        {"the other brand's, never loaded", "K", true, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        form.pctlogo1.picture = c.loaded ? logo(QStringLiteral("mervalk.jpg")) : Picture{};
        form.pctlogo2.picture = c.loaded ? logo(QStringLiteral("orvenna.jpg")) : Picture{};
        g.coluna_etiqueta = 1;
        EXPECT_NO_THROW(print({.tipo = c.tipo, .logo = c.logo}));
        EXPECT_EQ(pictures(openPage()).size(), c.pictures);
        EXPECT_NE(openPage().findText("COD: 4001234"), nullptr);
        printer.endDoc();
    }
}

}  // namespace
