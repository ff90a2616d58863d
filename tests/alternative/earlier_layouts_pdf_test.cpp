#include "alternative/layouts/imprime_preco_40_20_2.h"
#include "alternative/layouts/v1imprime_40_45_2.h"
#include "alternative/layouts/voldimprime_oculta_40_20_2.h"
#include "tests/common/labelpdf.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

// The layouts printed through the file printer, with the page a caller of each stock would set up.
struct EarlierLayoutsPrinted : LabelPdfTest {
    static int px(double mm) { return qRound(mm / 25.4 * kDpi); }

    static int wordCount(const std::vector<pdf::Word>& words, const QString& text)
    {
        return int(std::count_if(words.begin(), words.end(), [&](const pdf::Word& w) { return w.text == text; }));
    }

    static const pdf::Word* word(const std::vector<pdf::Word>& words, const QString& text, double x)
    {
        for (const pdf::Word& w : words)
            if (w.text == text && std::abs(w.mm.left() - x) < 1.5)
                return &w;
        return nullptr;
    }

    // Share of dark pixels in a rectangle of the page, in millimetres.
    static double darkShare(const QImage& image, const QRectF& mm)
    {
        const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
        int dark = 0, all = 0;
        for (int y = px(mm.top()); y < px(mm.bottom()); ++y)
            for (int x = px(mm.left()); x < px(mm.right()); ++x, ++all)
                dark += qGray(grey.pixel(x, y)) < 128;
        return all ? double(dark) / all : 0;
    }
};

TEST_F(EarlierLayoutsPrinted, PriceLabelsReadWhiteOnBlack)
{
    tw.g.margem_preco_1 = 0, tw.g.margem_preco_2 = 40, tw.g.margem_preco_3 = 1;
    page(Twips{1200});
    Imprime_Preco_40_20_2(program, "K", true, "123", "4001234", 2, "129,90", "99,90");
    const QString file = finish();
    ASSERT_EQ(pdf::pageCount(file), 1);
    const QString text = pdf::text(file, 1);
    for (const char* want : {"Ref.", "De: 129,90", "Por: 99,90", "COD: 4001234"})
        EXPECT_EQ(text.count(QString::fromUtf8(want)), 2) << want << " in:\n" << text.toStdString();

    const auto words = pdf::words(file, 1);
    EXPECT_EQ(wordCount(words, "123"), 2);
    const QImage image = pdf::rasterise(file, 1, kDpi);
    ASSERT_FALSE(image.isNull());
    for (const double X : {0.0, 40.0}) {
        SCOPED_TRACE(X);
        ASSERT_NE(word(words, "COD:", X), nullptr);
        const pdf::Word* por = word(words, "Por:", X + 20.4);
        ASSERT_NE(por, nullptr);
        // Inside the word, the white strokes on the black box: neither all dark nor all light.
        const double share = darkShare(image, por->mm);
        EXPECT_GT(share, 0.3);
        EXPECT_LT(share, 0.9);
        // The box around the prices is black where no text stands.
        EXPECT_GT(darkShare(image, QRectF(QPointF(X + 38, 1 + 10.1), QPointF(X + 39.7, 1 + 14.6))), 0.95);
    }
}

TEST_F(EarlierLayoutsPrinted, EarlierBoxFrontLabels)
{
    tw.g.margem_caixa_col1 = 0, tw.g.margem_caixa_col2 = 40, tw.g.margem_caixa_topo = 3;
    page(Twips{2660});
    v1Imprime_40_45_2(program, "O", "SAPATO SOCIAL MASCULINO COURO", "PRETO", "123", "4001234", "7891234567895", "38",
                      "129,90", 1, "50%", "S12");
    v1Imprime_40_45_2(program, "O", "SAPATO SOCIAL MASCULINO COURO", "PRETO", "123", "4001235", "7891234567901", "39",
                      "129,90", 1, "50%", "S12");
    const QString file = finish();
    ASSERT_EQ(pdf::pageCount(file), 1);  // the row's closing new page stays out of the document
    const QImage image = pdf::rasterise(file, 1, kDpi);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(decodeEan13(image, 0, 47), "7891234567895");
    EXPECT_EQ(decodeEan13(image, 47, 100), "7891234567901");
    const QString text = pdf::text(file, 1);
    for (const char* want : {"À VISTA", "129,", "90", "SAPATO", "COURO", "PRETO", "4001234", "4001235", "38", "39",
                             "891234", "567895", "567901", "50%", "S12"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(want))) << want << " in:\n" << text.toStdString();
    const auto words = pdf::words(file, 1);
    EXPECT_NE(word(words, "4001234", 2.3), nullptr);
    EXPECT_NE(word(words, "4001235", 42.3), nullptr);
}

TEST_F(EarlierLayoutsPrinted, OldestHiddenLabels)
{
    tw.g.margem_oculta_col1 = 3, tw.g.margem_oculta_col2 = 45, tw.g.margem_oculta_topo = 3;
    page(Twips{1200});
    VoldImprime_Oculta_40_20_2(program, "K", "SAPATO SOCIAL MASCULINO", "123", "4001234", "7896543210012", "41", 2);
    const QString file = finish();
    ASSERT_EQ(pdf::pageCount(file), 1);
    const QImage image = pdf::rasterise(file, 1, kDpi);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(decodeEan13(image, 0, 50), "7896543210012");
    EXPECT_EQ(decodeEan13(image, 50, 110), "7896543210012");
    const QString text = pdf::text(file, 1);
    for (const char* want : {"Ref.", "COD:", "4001234", "896543", "210012", "41"})
        EXPECT_EQ(text.count(QString::fromUtf8(want)), 2) << want << " in:\n" << text.toStdString();
    const auto words = pdf::words(file, 1);
    EXPECT_EQ(wordCount(words, "123"), 2);
    EXPECT_NE(word(words, "Ref.", 3 + 22.8), nullptr);
    EXPECT_NE(word(words, "Ref.", 45 + 22.8), nullptr);
    EXPECT_EQ(printers.current().scaleMode(), ScaleMode::Millimetres);
}

}  // namespace
