#include "barcode/barcodeerror.h"
#include "labels/product/imprime_40_45_2.h"
#include "labels/product/imprime_acessorio_40_20_2.h"
#include "labels/product/imprime_oculta_40_20_2.h"
#include "tests/labels/product_fixture.h"

#include <functional>

namespace {

const QString kGood = QStringLiteral("7891234567895");
const QString kRefused = QStringLiteral("78912");  // too short for the symbol

// Positions to the micrometre: the margins are single precision.
double um(double mm) { return std::round(mm * 1000) / 1000; }

// Each two-across layout, called as its print run calls it, with the x of its symbol in the left
// and right column and a text it prints before the symbol.
struct Layout {
    const char* name;
    std::function<void(Program&, int16_t qte, const QString& codbar)> print;
    double symbolLeft, symbolRight;
    QString before;
    double beforeRight;
};

const Layout kLayouts[] = {
    {"box front",
     [](Program& p, int16_t qte, const QString& codbar) {
         p.g.margem_caixa_col1 = 0, p.g.margem_caixa_col2 = 40, p.g.margem_caixa_topo = 3;
         Imprime_40_45_2(p, "O", "TENIS", "PRETO", "123", "4001234", codbar, "38", "129,90", qte, "50%", "S12", "F1");
     },
     um(0 + 11.4), um(40 + 11.4), "S12", 40 + 17},
    {"hidden",
     [](Program& p, int16_t qte, const QString& codbar) {
         p.g.margem_oculta_col1 = 3, p.g.margem_oculta_col2 = 45, p.g.margem_oculta_topo = 3;
         Imprime_Oculta_40_20_2(p, "O", "TENIS", "123", "4001234", codbar, "38", qte, "PRETO");
     },
     um(3 + 2.3 + 9.3), um(45 + 5 + 9.3), "123", 45 + 5 + 28},
    {"accessory",
     [](Program& p, int16_t qte, const QString& codbar) {
         // Its callers set the margins again before every call.
         p.g.margem_oculta_col1 = 3, p.g.margem_oculta_col2 = 45, p.g.margem_oculta_topo = 3;
         Imprime_Acessorio_40_20_2(p, "O", "CINTO PRETO", "234", "4001234", codbar, "1", "12,90", qte, "F1", "S12",
                                   "50%");
     },
     um(3 - 4.8 + 4.6), um(45 - 1.5 + 4.6), "CINTO PRETO", 45 - 1.5 + 7},
};

std::vector<std::vector<double>> symbolColumns(const std::vector<RecordingPrinter::Page>& pages)
{
    std::vector<std::vector<double>> out;
    for (const auto& page : pages) {
        out.emplace_back();
        for (const auto* pic : pictures(page))
            if (!pic->barcode.isEmpty())
                out.back().push_back(um(pic->x));
    }
    return out;
}

using Rows = std::vector<std::vector<double>>;

TEST_F(ProductLabelTest, LabelsFillRowsAcrossCalls)
{
    for (const Layout& l : kLayouts) {
        SCOPED_TRACE(l.name);
        g.coluna_etiqueta = 1;
        l.print(program, 3, kGood);
        EXPECT_EQ(g.coluna_etiqueta, 2);
        ASSERT_NE(printer.openDocument(), nullptr);
        EXPECT_EQ(symbolColumns(printer.openDocument()->pages), (Rows{{l.symbolLeft, l.symbolRight}, {l.symbolLeft}}));
        // The next size takes the right-hand place of the same row, and the row's new page stays empty.
        l.print(program, 1, kGood);
        EXPECT_EQ(g.coluna_etiqueta, 1);
        EXPECT_EQ(symbolColumns(pages()), (Rows{{l.symbolLeft, l.symbolRight}, {l.symbolLeft, l.symbolRight}}));
    }
}

TEST_F(ProductLabelTest, RefusedBarcodeOnTheRightStillEndsItsRow)
{
    for (const Layout& l : kLayouts) {
        SCOPED_TRACE(l.name);
        g.coluna_etiqueta = 1;
        l.print(program, 1, kGood);
        EXPECT_THROW(l.print(program, 2, kRefused), BarcodeError);
        // The refused label took the right-hand place and closed the row; its second copy never came.
        EXPECT_EQ(g.coluna_etiqueta, 1);
        l.print(program, 1, kGood);
        const auto& done = pages();
        EXPECT_EQ(symbolColumns(done), (Rows{{l.symbolLeft}, {l.symbolLeft}}));
        // What the refused label drew before its symbol stays where it was drawn.
        bool partial = false;
        for (const auto* t : done.at(0).texts())
            partial = partial || (t->text == l.before && std::abs(t->x - l.beforeRight) < 1e-3);
        EXPECT_TRUE(partial);
    }
}

TEST_F(ProductLabelTest, RefusedBarcodeOnTheLeftLeavesTheRightPlaceToTheNextLabel)
{
    for (const Layout& l : kLayouts) {
        SCOPED_TRACE(l.name);
        g.coluna_etiqueta = 1;
        EXPECT_THROW(l.print(program, 3, kRefused), BarcodeError);
        EXPECT_EQ(g.coluna_etiqueta, 2);
        l.print(program, 1, kGood);
        EXPECT_EQ(symbolColumns(pages()), (Rows{{l.symbolRight}}));
    }
}

}  // namespace
