#include "barcode/barcodeerror.h"
#include "barcode/code128.h"
#include "tests/barcode/decode.h"

#include <gtest/gtest.h>

namespace {

struct Code128 : ::testing::Test {
    PictureBox box;

    void draw(const QString& text, bool caption = false) { DrawCode128(box, 1, text, caption); }
    const QImage& image() const { return box.picture().image; }
    const QString white(int n) const { return QString(n, u'0'); }
};

// Symbol characters of ISO/IEC 15417 by value, as the examples below use them.
const char* const kStartB = "11010010000";  // 104
const char* const kStartC = "11010011100";  // 105
const char* const kCodeC = "10111011110";   // 99
const char* const kStop = "1100011101011";

TEST_F(Code128, DrawsSetBAndAFinalDigitRunInSetC)
{
    struct {
        const char* text;
        QStringList symbol;  // start to check character
    } cases[] = {
        // 0: 33, 34, 35; check (104 + 33 + 68 + 105) mod 103 = 1
        {"ABC", {kStartB, "10100011000", "10001011000", "10001000110", "11001101100"}},
        // 1: pairs 12 and 34; check 82
        {"1234", {kStartC, "10110011100", "10001011000", "10010011110"}},
        // 2: "1" in set B, then Code C, pairs 23 and 45; check 7
        {"AB12345", {kStartB, "10100011000", "10001011000", "10011100110", kCodeC, "11101101110", "10111011000",
                     "10011000100"}},
        // 3: a short final run stays in set B; check 19
        {"A12", {kStartB, "10100011000", "10011100110", "11001110010", "11001011100"}},
        // 4: digits inside the text are drawn in set B; check 90
        {"A1234B", {kStartB, "10100011000", "10011100110", "11001110010", "11001011100", "11001001110",
                    "10001011000", "11011110110"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        draw(QString::fromLatin1(c.text));
        const QString expected = c.symbol.join(QString()) + QString::fromLatin1(kStop);
        const int n = static_cast<int>(expected.size());
        EXPECT_EQ(decode::modules(image(), 10, 12, n), expected);
        EXPECT_EQ(decode::modules(image(), 19, 12, n), expected);
        EXPECT_EQ(decode::modules(image(), 20, 0, image().width()), white(image().width()));
        // 12 free columns left of the symbol and at least 11 right of it (the estimate counts one
        // character more than drawn for an odd final run after other characters).
        EXPECT_EQ(decode::modules(image(), 15, 0, 12), white(12));
        EXPECT_EQ(decode::modules(image(), 15, 12 + n, image().width() - 12 - n), white(image().width() - 12 - n));
        EXPECT_EQ(image().width(), 12 + n + (QByteArray(c.text) == "AB12345" ? 22 : 11));
        EXPECT_EQ(decode::surface(image(), ZXing::BarcodeFormat::Code128), QString::fromLatin1(c.text));
        EXPECT_EQ(box.picture().barcode, QString::fromLatin1(c.text));
    }
    draw(QStringLiteral("ABC"));
    EXPECT_EQ(box.width().value, 91 * 15);
    EXPECT_EQ(box.height().value, 30 * 15);
    EXPECT_EQ(decode::modules(image(), 15, 12, 68), decode::written(ZXing::BarcodeFormat::Code128, QStringLiteral("ABC")));
}

TEST_F(Code128, SurfaceHoldsSymbolsWithDigitRunsInsideTheText)
{
    for (const char* text : {"A1B", "X12Y34Z", "12-34-56-78-90", "1A2B3C4D5E6F7G8H9I", "0000A0000B0000C12345"}) {
        SCOPED_TRACE(text);
        draw(QString::fromLatin1(text));
        // The stop character's final bar and then at least 11 white columns end the surface.
        const QString row = decode::modules(image(), 15, 0, image().width());
        const int lastBar = static_cast<int>(row.lastIndexOf(u'1'));
        EXPECT_EQ(row.mid(lastBar - 1, 2), QStringLiteral("11"));
        EXPECT_GE(image().width() - 1 - lastBar, 11);
        EXPECT_EQ(decode::surface(image(), ZXing::BarcodeFormat::Code128), QString::fromLatin1(text));
    }
}

TEST_F(Code128, EmptyTextOrCharacterOutsideSetBIsRefusedBeforeDrawing)
{
    struct {
        QString text;
        const char* description;
    } cases[] = {
        {QString(), "Should be 1 or More Characters"},
        {QStringLiteral("AB\tC"), "An Invalid Character Found in Bar Text"},
        {QStringLiteral("1234\x7f"), "An Invalid Character Found in Bar Text"},
        {QStringLiteral("Pé"), "An Invalid Character Found in Bar Text"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        draw(QStringLiteral("ABC"));
        const Twips width = box.width(), height = box.height();
        try {
            draw(c.text, true);
            ADD_FAILURE() << "no error";
        } catch (const BarcodeError& e) {
            EXPECT_EQ(e.number(), -2147220991);
            EXPECT_EQ(e.source(), QStringLiteral("Code 128"));
            EXPECT_EQ(e.description(), QString::fromLatin1(c.description));
        }
        EXPECT_TRUE(box.picture().isNull());
        EXPECT_EQ(box.width(), width);
        EXPECT_EQ(box.height(), height);
        // Nothing of the refused text was drawn: the kept drawing is still the last symbol.
        EXPECT_EQ(decode::surface(box.image(), ZXing::BarcodeFormat::Code128), QStringLiteral("ABC"));
    }
}

TEST_F(Code128, WeightedSetCProductPastSixteenBitsOverflows)
{
    try {
        draw(QString(340, u'A') + QStringLiteral("9999"));
        ADD_FAILURE() << "no error";
    } catch (const BarcodeError&) {
        ADD_FAILURE() << "valid text refused";
    } catch (const ProgramError& e) {
        EXPECT_EQ(e.number(), vberr::Overflow);
    }
    EXPECT_TRUE(box.picture().isNull());
    draw(QString(300, u'A') + QStringLiteral("9999"));
    EXPECT_EQ(decode::surface(image(), ZXing::BarcodeFormat::Code128), QString(300, u'A') + QStringLiteral("9999"));
}

TEST_F(Code128, CaptionPrintsTheTextCentredUnderTheBars)
{
    draw(QStringLiteral("AB12345"), true);
    EXPECT_EQ(box.height().value, qRound(15 * (box.textHeight(QStringLiteral("AB12345")) + 35)));
    for (int y = 20; y < 25; ++y)
        EXPECT_EQ(decode::modules(image(), y, 0, image().width()), white(image().width())) << y;
    int left = 0, right = 0;
    const int middle = (1 + 7 * 11 + 13 + 20) / 2;
    for (int y = 25; y < image().height(); ++y)
        for (int x = 0; x < image().width(); ++x)
            if (qGray(image().pixel(x, y)) < 128)
                ++(x < middle ? left : right);
    EXPECT_GT(left, 0);
    EXPECT_NEAR(left, right, (left + right) / 4);
    EXPECT_EQ(decode::surface(image(), ZXing::BarcodeFormat::Code128), QStringLiteral("AB12345"));
}

TEST_F(Code128, EverySetBCharacterAndEveryDigitPairDecodes)
{
    QStringList texts;
    QString all;
    for (char16_t c = 32; c <= 126; ++c) {
        texts << QStringLiteral("a") + QChar(c) + QStringLiteral("z");
        all += QChar(c);
    }
    texts << all;
    QString pairs;
    for (int p = 0; p < 100; ++p)
        pairs += QStringLiteral("%1").arg(p, 2, 10, QLatin1Char('0'));
    texts << pairs << QStringLiteral("X") + pairs << QStringLiteral("X") + pairs.left(199);
    for (int n = 1; n <= 12; ++n) {
        texts << QString(n, u'7') << QStringLiteral("K") + QString(n, u'3') << QString(n, u'5') + QStringLiteral("K");
    }
    for (const QString& text : texts) {
        SCOPED_TRACE(text.toStdString());
        draw(text);
        EXPECT_EQ(decode::surface(image(), ZXing::BarcodeFormat::Code128), text);
    }
}

}  // namespace
