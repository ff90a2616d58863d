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
// and right column.
struct Layout {
    const char* name;
    std::function<void(Program&, int16_t qte, const QString& codbar)> print;
    double symbolLeft, symbolRight;
};

const Layout kLayouts[] = {
    {"box front",
     [](Program& p, int16_t qte, const QString& codbar) {
         p.g.margem_caixa_col1 = 0, p.g.margem_caixa_col2 = 40, p.g.margem_caixa_topo = 3;
         Imprime_40_45_2(p, "O", "TENIS", "PRETO", "123", "4001234", codbar, "38", "129,90", qte, "50%", "S12", "F1");
     },
     um(0 + 11.4), um(40 + 11.4)},
    {"hidden",
     [](Program& p, int16_t qte, const QString& codbar) {
         p.g.margem_oculta_col1 = 3, p.g.margem_oculta_col2 = 45, p.g.margem_oculta_topo = 3;
         Imprime_Oculta_40_20_2(p, "O", "TENIS", "123", "4001234", codbar, "38", qte, "PRETO");
     },
     um(3 + 2.3 + 9.3), um(45 + 5 + 9.3)},
    {"accessory",
     [](Program& p, int16_t qte, const QString& codbar) {
         // Its callers set the margins again before every call.
         p.g.margem_oculta_col1 = 3, p.g.margem_oculta_col2 = 45, p.g.margem_oculta_topo = 3;
         Imprime_Acessorio_40_20_2(p, "O", "CINTO PRETO", "234", "4001234", codbar, "1", "12,90", qte, "F1", "S12",
                                   "50%");
     },
     um(3 - 4.8 + 4.6), um(45 - 1.5 + 4.6)},
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

// A code the drawer refuses ends the call before anything of its labels is drawn: no label
// without its symbol (not even the page is started), and the place it would have taken goes to
// the next label, in the right-hand column as in the left.
TEST_F(ProductLabelTest, RefusedBarcodeDrawsNothingAndTakesNoPlace)
{
    struct Case {
        int16_t before;  // good labels printed first
        Rows columns;    // after the refused call and one more good label
    };
    for (const Layout& l : kLayouts) {
        const Case cases[] = {
            {0, {{l.symbolLeft}}},
            {1, {{l.symbolLeft, l.symbolRight}}},
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(l.name) + (c.before ? " right" : " left"));
            TestWorkstation fresh;
            RecordingPrinter& pr = fresh.printers.recording();
            pr.setScaleMode(ScaleMode::Millimetres);
            fresh.g.coluna_etiqueta = 1;
            fresh.form.pctlogo1.picture = logo(QStringLiteral("mervalk.jpg"));
            fresh.form.pctlogo2.picture = logo(QStringLiteral("orvenna.jpg"));
            if (c.before)
                l.print(fresh.program, c.before, kGood);
            const std::size_t opsBefore = pr.openDocument() ? pr.openDocument()->pages.back().ops.size() : 0;
            EXPECT_THROW(l.print(fresh.program, 2, kRefused), BarcodeError);
            EXPECT_EQ(fresh.g.coluna_etiqueta, c.before + 1);
            EXPECT_EQ(pr.openDocument() ? pr.openDocument()->pages.back().ops.size() : 0, opsBefore);
            l.print(fresh.program, 1, kGood);
            pr.endDoc();
            ASSERT_EQ(pr.documents().size(), 1u);
            EXPECT_EQ(symbolColumns(pr.documents().back().pages), c.columns);
        }
    }
}

}  // namespace
