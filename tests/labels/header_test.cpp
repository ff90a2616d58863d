#include "labels/product/imprime_cabecalho.h"
#include "tests/labels/product_fixture.h"

namespace {

TEST_F(ProductLabelTest, OrderHeaderByKind)
{
    struct Case {
        const char* kind;
        double size;
        double left, right;  // x of the two texts; nothing printed when both are 0
    };
    // Box-front margins 0 and 40, hidden-label margins 3 and 45; the tops never move the header.
    const Case cases[] = {
        {"FC", 12, 3, 43},          {"fc", 12, 3, 43}, {"OCULTA", 10, 6, 51}, {"Oculta", 10, 6, 51},
        {"Frente de Caixa", 0, 0, 0}, {"", 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        TestWorkstation tw;
        tw.printers.recording().setScaleMode(ScaleMode::Millimetres);
        tw.g.margem_caixa_col1 = 0, tw.g.margem_caixa_col2 = 40, tw.g.margem_caixa_topo = 17;
        tw.g.margem_oculta_col1 = 3, tw.g.margem_oculta_col2 = 45, tw.g.margem_oculta_topo = 9;
        tw.g.coluna_etiqueta = 2;
        tw.g.fonte_etiqueta = "Estrangelo Edessa";
        tw.form.txtarquivo.text = "123 ";
        Imprime_CabecAlho(tw.program, c.kind);
        // Whatever follows goes on a page of its own.
        tw.printers.recording().setCurrentX(0);
        tw.printers.recording().print("next");
        tw.printers.recording().endDoc();
        const auto& pages = tw.printers.recording().documents().at(0).pages;
        EXPECT_EQ(tw.g.coluna_etiqueta, 2);
        EXPECT_EQ(tw.g.fonte_etiqueta, "Estrangelo Edessa");
        if (c.size == 0) {
            ASSERT_EQ(pages.size(), 1u);
            EXPECT_EQ(pages[0].ops.size(), 1u);
            continue;
        }
        ASSERT_EQ(pages.size(), 2u);
        const auto texts = pages[0].texts();
        ASSERT_EQ(texts.size(), 2u);
        const double xs[] = {c.left, c.right};
        for (int n = 0; n < 2; ++n) {
            EXPECT_EQ(texts[n]->text, "Pedido: 123 ");
            EXPECT_EQ(texts[n]->font.name, "Franklin Gothic Medium");
            EXPECT_DOUBLE_EQ(texts[n]->font.size, c.size);
            EXPECT_TRUE(texts[n]->font.bold);
            EXPECT_DOUBLE_EQ(texts[n]->x, xs[n]);
            EXPECT_DOUBLE_EQ(texts[n]->y, 6);
        }
        EXPECT_EQ(pages[1].texts().at(0)->text, "next");
    }
}

TEST_F(ProductLabelTest, OrderHeaderWithoutOrderNumberPrintsTheCaptionAlone)
{
    form.txtarquivo.text.clear();
    Imprime_CabecAlho(program, "FC");
    EXPECT_NE(openPage().findText("Pedido: "), nullptr);
}

}  // namespace
