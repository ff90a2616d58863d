#include "barcode/barcodeerror.h"
#include "barcode/ean8.h"
#include "tests/barcode/decode.h"

#include <gtest/gtest.h>

#include <random>

namespace {

struct Ean8 : ::testing::Test {
    PictureBox box;

    void draw(const QString& text, bool caption = false) { DrawEAN8(box, 1, text, caption); }
    const QImage& image() const { return box.picture().image; }
};

constexpr int kFirstModule = 16;

TEST_F(Ean8, DrawsTheModulesOfTheSymbolWithItsCheckDigit)
{
    struct {
        const char* text;
        const char* drawn;
        const char* modules;
    } cases[] = {
        {"9638507", "96385074", "1010001011010111101111010110111010101001110111001010001001011100101"},
        {"1234567", "12345670", "1010011001001001101111010100011010101001110101000010001001110010101"},  // sum 60
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        draw(QString::fromLatin1(c.text));
        EXPECT_EQ(box.picture().barcode, QString::fromLatin1(c.drawn));
        // Bars from row 10 to row 19; rows above them stay white.
        EXPECT_EQ(decode::modules(image(), 10, kFirstModule, 67), QString::fromLatin1(c.modules));
        EXPECT_EQ(decode::modules(image(), 19, kFirstModule, 67), QString::fromLatin1(c.modules));
        EXPECT_EQ(decode::modules(image(), 9, 0, image().width()), QString(image().width(), u'0'));
        EXPECT_EQ(decode::modules(image(), 15, 0, kFirstModule), QString(kFirstModule, u'0'));
    }
}

TEST_F(Ean8, GuardBarsRunToRow25AndTheSurfaceHasItsFixedSize)
{
    draw(QStringLiteral("9638507"));
    EXPECT_EQ(box.width().value, 1520);
    EXPECT_EQ(box.height().value, 30 * 15);
    QString guards(67, u'0');
    for (int m : {0, 2, 32, 34, 64, 66})
        guards[m] = u'1';
    EXPECT_EQ(decode::modules(image(), 20, kFirstModule, 67), guards);
    EXPECT_EQ(decode::modules(image(), 24, kFirstModule, 67), guards);
    EXPECT_EQ(decode::modules(image(), 25, kFirstModule, 67), QString(67, u'0'));
}

TEST_F(Ean8, CaptionGrowsTheSurfaceByTheTextHeightAndFivePixels)
{
    draw(QStringLiteral("9638507"), true);
    const double textHeight = box.textHeight(QStringLiteral("9638507"));
    EXPECT_EQ(box.height().value, qRound(15 * (textHeight + 35)));
    auto inked = [this](int x0, int x1) {
        for (int y = 20; y < image().height(); ++y)
            for (int x = x0; x < x1; ++x)
                if (qGray(image().pixel(x, y)) < 128 && (x < 16 || x > 82 || y >= 25))
                    return true;
        return false;
    };
    EXPECT_TRUE(inked(23, 47));
    EXPECT_TRUE(inked(53, image().width()));
    EXPECT_FALSE(inked(0, 23));
    EXPECT_EQ(decode::surface(image(), ZXing::BarcodeFormat::EAN8), QStringLiteral("96385074"));
}

TEST_F(Ean8, RefusedTextLeavesNoPictureAndTheSizeItHad)
{
    struct {
        const char* text;
        const char* description;
    } cases[] = {
        {"963850", "Should be 7 Digit Numbers"},
        {"96385074", "Should be 7 Digit Numbers"},
        {"", "Should be 7 Digit Numbers"},
        {"12345A7", "An Invalid Character Found in Bar Text"},
        {"1234 67", "An Invalid Character Found in Bar Text"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        draw(QStringLiteral("1234567"), true);
        const Twips width = box.width(), height = box.height();
        try {
            draw(QString::fromLatin1(c.text));
            ADD_FAILURE() << "no error";
        } catch (const BarcodeError& e) {
            EXPECT_EQ(e.number(), -2147220991);
            EXPECT_EQ(e.source(), QStringLiteral("EAN-8"));
            EXPECT_EQ(e.description(), QString::fromLatin1(c.description));
        }
        EXPECT_TRUE(box.picture().isNull());
        EXPECT_EQ(box.width(), width);
        EXPECT_EQ(box.height(), height);
    }
}

TEST_F(Ean8, EveryDrawnSymbolDecodesAndMatchesTheReferenceWriter)
{
    std::mt19937 random(8);
    std::uniform_int_distribution<int> digit(0, 9);
    for (int n = 0; n < 300; ++n) {
        QString text;
        for (int i = 0; i < 7; ++i)
            text += QChar(u'0' + digit(random));
        SCOPED_TRACE(text.toStdString());
        draw(text);
        const QString decoded = decode::surface(image(), ZXing::BarcodeFormat::EAN8);
        ASSERT_EQ(decoded.left(7), text);
        ASSERT_EQ(decoded, box.picture().barcode);
        ASSERT_EQ(decode::modules(image(), 10, kFirstModule, 67), decode::written(ZXing::BarcodeFormat::EAN8, decoded));
    }
}

}  // namespace
