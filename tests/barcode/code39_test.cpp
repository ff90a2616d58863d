#include "barcode/barcodeerror.h"
#include "barcode/code39.h"
#include "tests/barcode/decode.h"

#include <gtest/gtest.h>

namespace {

struct Code39 : ::testing::Test {
    PictureBox box;

    void draw(const QString& text, bool check = false, bool caption = false) { DrawCode39(box, 1, text, check, caption); }
    const QImage& image() const { return box.picture().image; }
    // The columns of a symbol of n characters in all, start and stop included.
    QString columns(int n) const { return decode::modules(image(), 10, 12, 13 * n); }
};

const QString kStartStop = QStringLiteral("1001011011010");  // "*" and its gap

TEST_F(Code39, DrawsTheModulesOfTheCleanedTextWithOptionalCheckCharacter)
{
    struct {
        const char* text;
        bool check;
        const char* encoded;  // what the reference writer gets: the cleaned text and check character
        int widthTwips;
    } cases[] = {
        {"code39", false, "CODE39", 16 * (20 + 12 * 8)},
        {"code39", true, "CODE39W", 16 * (20 + 12 * 9)},  // 75 mod 43 = 32, "W"
        {"*A*", false, "A", 896},
        {"A", true, "AA", 1088},  // one character: the check character is the character itself
        {"", true, "0", 16 * (20 + 12 * 3)},  // nothing but the check character "0"
        {"-. $/+%", false, "-. $/+%", 16 * (20 + 12 * 9)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        draw(QString::fromLatin1(c.text), c.check);
        const QString encoded = QString::fromLatin1(c.encoded);
        const int n = static_cast<int>(encoded.size()) + 2;
        EXPECT_EQ(columns(n), decode::written(ZXing::BarcodeFormat::Code39, encoded) + u'0');
        EXPECT_EQ(columns(n).left(13), kStartStop);
        EXPECT_EQ(decode::modules(image(), 10, 0, 12), QString(12, u'0'));
        EXPECT_EQ(decode::modules(image(), 10, 12 + 13 * n, image().width() - 12 - 13 * n),
                  QString(image().width() - 12 - 13 * n, u'0'));
        EXPECT_EQ(box.width().value, c.widthTwips);
        EXPECT_EQ(box.height().value, 30 * 15);
    }
    EXPECT_EQ(box.picture().barcode, QStringLiteral("-. $/+%"));
}

TEST_F(Code39, EmptyTextDrawsStartAndStopOnly)
{
    draw(QString());
    EXPECT_EQ(columns(2), kStartStop + kStartStop);
    EXPECT_EQ(decode::modules(image(), 10, 12 + 26, image().width() - 38), QString(image().width() - 38, u'0'));
}

TEST_F(Code39, BarsRunFromRow10ToRow20AndTheCaptionStandsBelow)
{
    draw(QStringLiteral("code39"), false, true);
    const QString bars = columns(8);
    EXPECT_EQ(decode::modules(image(), 9, 0, image().width()), QString(image().width(), u'0'));
    EXPECT_EQ(decode::modules(image(), 19, 12, 13 * 8), bars);
    for (int y = 20; y < 25; ++y)
        EXPECT_EQ(decode::modules(image(), y, 0, image().width()), QString(image().width(), u'0')) << y;
    EXPECT_NE(decode::modules(image(), 25 + 4, 0, image().width()), QString(image().width(), u'0'));
    EXPECT_EQ(box.height().value, qRound(15 * (box.textHeight(QStringLiteral("CODE39")) + 35)));
    // Roughly centred: as much ink left of the middle as right of it.
    int left = 0, right = 0;
    const int middle = (1 + 13 * 8 + 20) / 2;
    for (int y = 25; y < image().height(); ++y)
        for (int x = 0; x < image().width(); ++x)
            if (qGray(image().pixel(x, y)) < 128)
                ++(x < middle ? left : right);
    EXPECT_GT(left, 0);
    EXPECT_NEAR(left, right, (left + right) / 4);
    EXPECT_EQ(decode::surface(image(), ZXing::BarcodeFormat::Code39), QStringLiteral("CODE39"));
}

TEST_F(Code39, CharacterOutsideTheSetIsRefusedBeforeDrawing)
{
    for (const char* text : {"_", "AB#", "Ç", "A\tB"}) {
        SCOPED_TRACE(text);
        draw(QStringLiteral("ABC"));
        const Twips width = box.width();
        try {
            draw(QString::fromUtf8(text), true, true);
            ADD_FAILURE() << "no error";
        } catch (const BarcodeError& e) {
            EXPECT_EQ(e.number(), -2147220991);
            EXPECT_EQ(e.source(), QStringLiteral("Bar 39"));
            EXPECT_EQ(e.description(), QStringLiteral("An Invalid Character Found in Bar Text"));
        }
        EXPECT_TRUE(box.picture().isNull());
        EXPECT_EQ(box.width(), width);
    }
}

TEST_F(Code39, EveryCharacterDecodesWithAndWithoutCheckCharacter)
{
    const QString all = QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%");
    QStringList texts;
    for (const QChar c : all)
        texts << QStringLiteral("A") + c + QStringLiteral("9");
    for (int i = 0; i < all.size(); i += 11)
        texts << all.mid(i, 11);
    texts << all;  // 43 characters: the longest the surface holds with its check character
    for (const QString& text : texts) {
        SCOPED_TRACE(text.toStdString());
        draw(text.toLower());
        EXPECT_EQ(decode::surface(image(), ZXing::BarcodeFormat::Code39), text);
        draw(text, true);
        EXPECT_EQ(decode::surface(image(), ZXing::BarcodeFormat::Code39, true), text);
    }
}

}  // namespace
