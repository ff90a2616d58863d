#define ZX_USE_UTF8 1
#include "alternative/layouts/imprime_preco_40_20_2.h"
#include "alternative/layouts/v1imprime_40_45_2.h"
#include "alternative/layouts/voldimprime_oculta_40_20_2.h"
#include "platform/qtprinter.h"
#include "tests/common/pdftools.h"
#include "tests/common/testworkstation.h"

#include <QPainter>
#include <algorithm>
#include <ZXing/ReadBarcode.h>
#include <gtest/gtest.h>

namespace {

constexpr int kDpi = 600;

int px(double mm) { return qRound(mm / 25.4 * kDpi); }

// The layouts printed through the file printer, with the page a caller of each stock would set up.
struct EarlierLayoutsPrinted : ::testing::Test {
    TestWorkstation tw;
    QtPrinterSystem printers{tw.files};
    Workstation ws{tw.files, tw.profile, printers, tw.messages, tw.screen};
    Program program{ws, tw.form, tw.g};

    EarlierLayoutsPrinted()
    {
        printers.makeCurrent(printers.count() - 1);
        EXPECT_EQ(printers.deviceName(printers.count() - 1), QtPrinterSystem::kFilePrinterName);
        tw.form.pctlogo1.picture = logo(Qt::darkGray);
        tw.form.pctlogo2.picture = logo(Qt::gray);
        tw.g.coluna_etiqueta = 1;
        tw.g.fonte_etiqueta = QStringLiteral("Estrangelo Edessa");
    }

    static Picture logo(Qt::GlobalColor colour)
    {
        Picture p;
        p.image = QImage(300, 60, QImage::Format_RGB32);
        p.image.fill(Qt::white);
        QPainter(&p.image).fillRect(20, 10, 200, 40, colour);
        return p;
    }

    void page(Twips height)
    {
        Printer& p = printers.current();
        p.setScaleMode(ScaleMode::Millimetres);
        p.setPaperSize(Printer::kUserPaper);
        p.setWidth(Twips{9000});
        p.setHeight(height);
        p.setFontName(tw.g.fonte_etiqueta);
    }

    QString finish()
    {
        printers.current().endDoc();
        EXPECT_EQ(printers.writtenFiles().size(), 1);
        return printers.writtenFiles().value(0);
    }

    // The EAN-13 symbol zxing-cpp reads in a band of the page, from x0 to x1 millimetres.
    static QString decodeEan13(const QImage& pageImage, double x0, double x1)
    {
        const int left = px(x0), right = qMin(pageImage.width(), px(x1));
        const QImage band =
            pageImage.copy(left, 0, right - left, pageImage.height()).convertToFormat(QImage::Format_Grayscale8);
        const ZXing::ImageView view(band.constBits(), band.width(), band.height(), ZXing::ImageFormat::Lum,
                                    static_cast<int>(band.bytesPerLine()));
        ZXing::DecodeHints hints;
        hints.setFormats(ZXing::BarcodeFormat::EAN13);
        hints.setTryHarder(true);
        const ZXing::Result r = ZXing::ReadBarcode(view, hints);
        return r.isValid() ? QString::fromStdString(r.text()) : QString();
    }

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
