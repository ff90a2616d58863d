#include "labels/product/imprime_40_45_2.h"
#include "labels/product/imprime_acessorio_40_20_2.h"
#include "labels/product/imprime_cabecalho.h"
#include "labels/product/imprime_oculta_40_20_2.h"
#include "tests/common/labelpdf.h"

#include <gtest/gtest.h>

namespace {

// The labels printed through the file printer, as a print run sets the page up before its layout.
struct PrintedLabels : LabelPdfTest {
    PrintedLabels()
    {
        tw.form.txtarquivo.text = QStringLiteral("4521");
    }
};

TEST_F(PrintedLabels, BoxFrontRunWithOrderHeader)
{
    tw.g.margem_caixa_col1 = 0, tw.g.margem_caixa_col2 = 40, tw.g.margem_caixa_topo = 3;
    page(Twips{2660});
    Imprime_CabecAlho(program, "FC");
    tw.g.coluna_etiqueta = 1;
    Imprime_40_45_2(program, "O", "TENIS CASUAL", "PRETO", "123", "4001234", "7891234567895", "38", "129,90", 1, "50%",
                    "S12", "F1");
    Imprime_40_45_2(program, "O", "TENIS CASUAL", "PRETO", "123", "4001235", "7891234567901", "39", "129,90", 1, "50%",
                    "S12", "F1");
    const QString file = finish();
    ASSERT_EQ(pdf::pageCount(file), 2);  // the row's closing new page stays out of the document
    EXPECT_TRUE(pdf::text(file, 1).contains(QStringLiteral("Pedido: 4521")));
    EXPECT_TRUE(wordAt(file, 1, "Pedido:", 3));
    EXPECT_TRUE(wordAt(file, 1, "Pedido:", 43));

    const QImage image = pdf::rasterise(file, 2, kDpi);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(decodeEan13(image, 0, 49), "7891234567895");
    EXPECT_EQ(decodeEan13(image, 49, 100), "7891234567901");
    const QString text = pdf::text(file, 2);
    for (const char* want : {"R$", "À VISTA", "129,", "90", "TENIS CASUAL", "PRETO", "4001234", "4001235", "38", "39",
                             "789123", "4567895", "4567901", "50%", "S12", "F1"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(want))) << want << " in:\n" << text.toStdString();
    EXPECT_TRUE(wordAt(file, 2, "4001234", 2.3));
    EXPECT_TRUE(wordAt(file, 2, "4001235", 42.3));
}

TEST_F(PrintedLabels, HiddenLabels)
{
    tw.g.margem_oculta_col1 = 3, tw.g.margem_oculta_col2 = 45, tw.g.margem_oculta_topo = 3;
    page(Twips{1200});
    Imprime_Oculta_40_20_2(program, "O", "SAPATO SOCIAL MASCULINOS COURO", "123", "4001234", "7896543210012", "41", 2,
                           "MARROM");
    const QString file = finish();
    ASSERT_EQ(pdf::pageCount(file), 1);
    const QImage image = pdf::rasterise(file, 1, kDpi);
    EXPECT_EQ(decodeEan13(image, 0, 54), "7896543210012");
    EXPECT_EQ(decodeEan13(image, 54, 110), "7896543210012");
    const QString text = pdf::text(file, 1);
    for (const char* want : {"SAPATO", "COURO", "MARROM", "123", "4001234", "789654", "3210012", "41"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(want))) << want << " in:\n" << text.toStdString();
    EXPECT_TRUE(wordAt(file, 1, "123", 3 + 2.3 + 28));
    EXPECT_TRUE(wordAt(file, 1, "123", 45 + 5 + 28));
}

TEST_F(PrintedLabels, AccessoryLabels)
{
    // The margins the default settings file holds; the digits stand at the stock's lower edge.
    tw.g.margem_oculta_col1 = 0, tw.g.margem_oculta_col2 = 40, tw.g.margem_oculta_topo = 2.2f;
    page(Twips{1200});
    Imprime_Acessorio_40_20_2(program, "K", "CINTO COURO PRETO", "234", "4001234", "5601234000122", "2", "12,90", 2,
                              "F1", "S12", "50%");
    const QString file = finish();
    ASSERT_EQ(pdf::pageCount(file), 1);
    const QImage image = pdf::rasterise(file, 1, kDpi);
    EXPECT_EQ(decodeEan13(image, 0, 38), "5601234000122");
    EXPECT_EQ(decodeEan13(image, 38, 100), "5601234000122");
    const QString text = pdf::text(file, 1);
    for (const char* want : {"R$", "À VISTA", "12,", "90", "CINTO COURO PRETO", "4001234", "560123", "4000122", "234",
                             "50%"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(want))) << want << " in:\n" << text.toStdString();
    // Both columns moved left by the layout's own shift.
    EXPECT_TRUE(wordAt(file, 1, "4001234", 0 - 4.8 + 7));
    EXPECT_TRUE(wordAt(file, 1, "4001234", 40 - 1.5 + 7));
}

}  // namespace
