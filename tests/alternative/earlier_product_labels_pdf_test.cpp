#include "alternative/layouts/v1imprime_oculta_40_20_2.h"
#include "alternative/layouts/v3imprime_40_45_2.h"
#include "alternative/layouts/v3imprime_oculta_40_20_2.h"
#include "alternative/layouts/v_ate_2606_imprime_acessorio_40_20_2.h"
#include "tests/common/labelpdf.h"

#include <gtest/gtest.h>

namespace {

// The earlier layouts printed through the file printer, with the page set up as a print run of
// their family would, and the label font as start-up leaves it.
struct EarlierLabelsPrinted : LabelPdfTest {
};

TEST_F(EarlierLabelsPrinted, FirstHiddenLabel)
{
    tw.g.margem_oculta_col1 = 3, tw.g.margem_oculta_col2 = 45, tw.g.margem_oculta_topo = 3;
    page(Twips{1200});
    QString tipo = QStringLiteral("K");
    V1_Imprime_Oculta_40_20_2(program, tipo, "SAPATO SOCIAL MASCULINO COURO", "123", "4001234", "7896543210012", "41",
                              2, "MARROM");
    const QString file = finish();
    ASSERT_EQ(pdf::pageCount(file), 1);
    const QImage image = pdf::rasterise(file, 1, kDpi);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(decodeEan13(image, 0, 50), "7896543210012");
    EXPECT_EQ(decodeEan13(image, 50, 100), "7896543210012");
    expectWords(file, 1, {"SAPATO", "COURO", "MARROM", "123", "4001234", "896543", "210012", "41"});
    EXPECT_TRUE(wordAt(file, 1, "123", 3 + 30));
    EXPECT_TRUE(wordAt(file, 1, "123", 45 + 30));
}

TEST_F(EarlierLabelsPrinted, ThirdHiddenLabel)
{
    tw.g.margem_oculta_col1 = 3, tw.g.margem_oculta_col2 = 45, tw.g.margem_oculta_topo = 3;
    page(Twips{1200});
    v3Imprime_Oculta_40_20_2(program, "O", "BOTA COURO LEGITIMO CANO ALTO12CM", "123", "4001234", "7896543210012", "41",
                             2, "MARROM");
    const QString file = finish();
    ASSERT_EQ(pdf::pageCount(file), 1);
    const QImage image = pdf::rasterise(file, 1, kDpi);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(decodeEan13(image, 0, 54), "7896543210012");
    EXPECT_EQ(decodeEan13(image, 54, 110), "7896543210012");
    expectWords(file, 1, {"BOTA", "12CM", "MARROM", "123", "4001234", "789654", "3210012", "41"});
    EXPECT_TRUE(wordAt(file, 1, "123", 3 + 2.1 + 29));
    EXPECT_TRUE(wordAt(file, 1, "123", 45 + 4.8 + 29));
}

TEST_F(EarlierLabelsPrinted, ThirdBoxFrontLabel)
{
    tw.g.margem_caixa_col1 = 0, tw.g.margem_caixa_col2 = 40, tw.g.margem_caixa_topo = 3;
    page(Twips{2660});
    QString tipo = QStringLiteral("K");
    V3Imprime_40_45_2(program, tipo, "TENIS CASUAL MASCULINO DE COURO", "PRETO", "123", "4001234", "7891234567895", "38",
                      "129,90", 3, "50%", "S12");
    const QString file = finish();
    ASSERT_EQ(pdf::pageCount(file), 2);  // the third label alone on the second page
    const QImage first = pdf::rasterise(file, 1, kDpi);
    ASSERT_FALSE(first.isNull());
    EXPECT_EQ(decodeEan13(first, 0, 48), "7891234567895");
    EXPECT_EQ(decodeEan13(first, 48, 100), "7891234567895");
    EXPECT_EQ(decodeEan13(pdf::rasterise(file, 2, kDpi), 0, 48), "7891234567895");
    expectWords(file, 1, {"R$", "À VISTA", "129,", "90", "TENIS", "COURO", "PRETO", "4001234", "38", "789123",
                          "4567895", "50%", "S12"});
    EXPECT_TRUE(wordAt(file, 1, "4001234", 2.3));
    EXPECT_TRUE(wordAt(file, 1, "4001234", 42.3));
    EXPECT_EQ(tipo, "O");
}

TEST_F(EarlierLabelsPrinted, EarlierAccessoryLabel)
{
    tw.g.margem_oculta_col1 = 3, tw.g.margem_oculta_col2 = 45, tw.g.margem_oculta_topo = 3;
    page(Twips{1200});
    V_ate_2606_Imprime_Acessorio_40_20_2(program, "K", "CINTO COURO PRETO", "234", "4001234", "5601234000122", "2",
                                         "12,90", 2, "F1", "S12", "50%");
    const QString file = finish();
    ASSERT_EQ(pdf::pageCount(file), 1);
    const QImage image = pdf::rasterise(file, 1, kDpi);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(decodeEan13(image, 0, 42), "5601234000122");
    EXPECT_EQ(decodeEan13(image, 42, 100), "5601234000122");
    expectWords(file, 1, {"R$", "À VISTA", "12,", "90", "CINTO COURO PRETO", "4001234", "560123", "4000122", "234",
                          "50%", "F1", "S12"});
    // Both columns moved left by the layout's own shift.
    EXPECT_TRUE(wordAt(file, 1, "4001234", 3 - 4.8 + 7));
    EXPECT_TRUE(wordAt(file, 1, "4001234", 45 - 1.5 + 7));
}

}  // namespace
