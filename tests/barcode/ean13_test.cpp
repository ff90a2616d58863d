#include "barcode/barcodeerror.h"
#include "barcode/ean13.h"
#include "tests/barcode/decode.h"

#include <gtest/gtest.h>

#include <random>

namespace {

struct Ean13 : ::testing::Test {
    PictureBox box;
    Globals g;

    void draw(const QString& text, int16_t barH = 1, int16_t caption = 0) { DrawEAN13(box, barH, text, caption, g); }
    const QImage& image() const { return box.picture().image; }
};

constexpr int kFirstModule = 11;  // x of the first module of the start guard

TEST_F(Ean13, DrawsTheModulesOfTheSymbolWithItsCheckDigit)
{
    struct {
        const char* text;
        const char* drawn;
        const char* modules;
    } cases[] = {
        // 0: leading 5 takes L G G L L G for digits 2-7
        {"590123412345", "5901234123457",
         "10100010110100111011001100100110111101001110101010110011011011001000010101110010011101000100101"},
        // 1: weighted sum a multiple of 10: check digit 0
        {"590123412315", "5901234123150",
         "10100010110100111011001100100110111101001110101010110011011011001000010110011010011101110010101"},
        // 2: leading 0: all six left digits from the L table
        {"001234567890", "0012345678905",
         "10100011010011001001001101111010100011011000101010101000010001001001000111010011100101001110101"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        draw(QString::fromLatin1(c.text));
        EXPECT_EQ(box.picture().barcode, QString::fromLatin1(c.drawn));
        EXPECT_EQ(decode::modules(image(), 0, kFirstModule, 95), QString::fromLatin1(c.modules));
        EXPECT_EQ(decode::modules(image(), 9, kFirstModule, 95), QString::fromLatin1(c.modules));
        // Nothing but white left of the start guard and right of the end guard.
        EXPECT_EQ(decode::modules(image(), 5, 0, kFirstModule), QString(kFirstModule, u'0'));
        EXPECT_EQ(decode::modules(image(), 5, 106, image().width() - 106), QString(image().width() - 106, u'0'));
    }
}

TEST_F(Ean13, GuardBarsReachFivePixelsBelowTheOthers)
{
    draw(QStringLiteral("590123412345"));
    const QString bars = decode::modules(image(), 9, kFirstModule, 95);
    QString guards(95, u'0');
    for (int m : {0, 2, 46, 48, 92, 94})
        guards[m] = u'1';
    ASSERT_EQ(bars[0], u'1');
    // Below the normal bars (rows 10-14) only the guard bars go on, and nothing from row 15 down.
    EXPECT_EQ(decode::modules(image(), 10, kFirstModule, 95), guards);
    EXPECT_EQ(decode::modules(image(), 14, kFirstModule, 95), guards);
    EXPECT_EQ(decode::modules(image(), 15, kFirstModule, 95), QString(95, u'0'));
}

TEST_F(Ean13, SurfaceSizeFollowsBarHeightAndWidthFactor)
{
    struct {
        float factor;
        int16_t barH;
        int widthTwips, heightTwips;
    } cases[] = {
        {1.0f, 1, 1920, 27 * 15},
        {1.1f, 1, 2112, 27 * 15},
        {0.828125f, 1, 1590, 27 * 15},  // the narrowest surface that holds all 106 columns
        {1.1f, 2, 2112, 36 * 15},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.factor);
        g.fator_correcao = c.factor;
        draw(QStringLiteral("590123412345"), c.barH);
        EXPECT_EQ(box.width().value, c.widthTwips);
        EXPECT_EQ(box.height().value, c.heightTwips);
        EXPECT_EQ(image().width(), c.widthTwips / 15);
        // The modules keep their columns whatever the factor.
        EXPECT_EQ(decode::modules(image(), 0, kFirstModule, 3), QStringLiteral("101"));
        EXPECT_EQ(decode::modules(image(), 0, kFirstModule + 92, 3), QStringLiteral("101"));
        EXPECT_EQ(decode::surface(image(), ZXing::BarcodeFormat::EAN13), QStringLiteral("5901234123457"));
    }
}

TEST_F(Ean13, RefusedTextLeavesNoPictureAndTheFixedSize)
{
    struct {
        const char* text;
        const char* description;
    } cases[] = {
        {"5901234123457", "Should be 12 Digit Numbers"},  // 0: the full code with its check digit
        {"", "Should be 12 Digit Numbers"},
        {"59012341234", "Should be 12 Digit Numbers"},
        {"59012341234 ", "An Invalid Character Found in Bar Text"},  // 3: a blank among 12
        {"5901234A2345", "An Invalid Character Found in Bar Text"},
        {"59012341234X5", "Should be 12 Digit Numbers"},  // 5: length is tested first
        {"\xd9\xa1" "23456789012", "An Invalid Character Found in Bar Text"},  // 6: not an ASCII digit
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        draw(QStringLiteral("590123412345"));
        ASSERT_FALSE(box.picture().isNull());
        try {
            draw(QString::fromUtf8(c.text));
            ADD_FAILURE() << "no error";
        } catch (const BarcodeError& e) {
            EXPECT_EQ(e.number(), -2147220991);
            EXPECT_EQ(e.source(), QStringLiteral("EAN-13"));
            EXPECT_EQ(e.description(), QString::fromLatin1(c.description));
        }
        EXPECT_TRUE(box.picture().isNull());
        EXPECT_TRUE(box.picture().barcode.isEmpty());
        EXPECT_EQ(box.width().value, 5655);
        EXPECT_EQ(box.height().value, 2340);
    }
    draw(QStringLiteral("400638133393"));
    EXPECT_EQ(decode::surface(image(), ZXing::BarcodeFormat::EAN13), QStringLiteral("4006381333931"));
}

TEST_F(Ean13, BarHeightThatOverflowsStopsAfterValidation)
{
    try {
        draw(QStringLiteral("590123412345"), 3277);
        ADD_FAILURE() << "no error";
    } catch (const BarcodeError&) {
        ADD_FAILURE() << "valid text refused";
    } catch (const ProgramError& e) {
        EXPECT_EQ(e.number(), vberr::Overflow);
    }
    EXPECT_TRUE(box.picture().isNull());
    EXPECT_EQ(box.width().value, 5655);
    // Validation comes first.
    EXPECT_THROW(draw(QStringLiteral("59012341234"), 3277), BarcodeError);
    draw(QStringLiteral("590123412345"), 3276);
    EXPECT_EQ(box.picture().barcode, QStringLiteral("5901234123457"));
}

TEST_F(Ean13, CaptionPrintsDigitsUnderTheBarsWithoutGrowingTheSurface)
{
    // Any dark pixel in the band where the caption stands, between columns x0 and x1.
    auto inked = [this](int x0, int x1) {
        for (int y = 20; y < image().height(); ++y)
            for (int x = x0; x < std::min(x1, image().width()); ++x)
                if (qGray(image().pixel(x, y)) < 128)
                    return true;
        return false;
    };
    draw(QStringLiteral("590123412345"), 1, 0);
    EXPECT_FALSE(inked(0, image().width()));
    const int height = box.height().value;

    draw(QStringLiteral("590123412345"), 1, 1);
    EXPECT_EQ(box.height().value, height);
    EXPECT_TRUE(inked(0, 11));    // the first digit, left of the start guard
    EXPECT_TRUE(inked(23, 56));   // digits 2-7
    EXPECT_TRUE(inked(68, 106));  // digits 8-12 and the check digit
    EXPECT_FALSE(inked(12, 23));
    EXPECT_EQ(decode::modules(image(), 5, kFirstModule, 95),
              QStringLiteral("10100010110100111011001100100110111101001110101010110011011011001000010101110010011101000100101"));
}

TEST_F(Ean13, EveryDrawnSymbolDecodesAndMatchesTheReferenceWriter)
{
    std::mt19937 random(20261210);
    std::uniform_int_distribution<int> digit(0, 9);
    for (int n = 0; n < 300; ++n) {
        QString text;
        text += QChar(u'0' + n % 10);  // every leading digit, so every parity entry
        for (int i = 1; i < 12; ++i)
            text += QChar(u'0' + digit(random));
        SCOPED_TRACE(text.toStdString());
        draw(text);
        const QString decoded = decode::surface(image(), ZXing::BarcodeFormat::EAN13);
        ASSERT_EQ(decoded.left(12), text);
        ASSERT_EQ(decoded, box.picture().barcode);
        ASSERT_EQ(decode::modules(image(), 0, kFirstModule, 95),
                  decode::written(ZXing::BarcodeFormat::EAN13, decoded));
    }
}

}  // namespace
