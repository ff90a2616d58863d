#include "barcode/bar128.h"
#include "barcode/bar39.h"
#include "barcode/barcodeerror.h"
#include "barcode/code128.h"
#include "barcode/code39.h"
#include "barcode/ean13.h"
#include "barcode/ean8.h"
#include "barcode/ubrelbarcode.h"
#include "tests/barcode/decode.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

bool inkBelow(const QImage& image, int y0)
{
    for (int y = y0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                return true;
    return false;
}

// A picture the classes must leave alone.
Picture marker()
{
    Picture p;
    p.image = QImage(3, 3, QImage::Format_RGB32);
    p.image.fill(Qt::red);
    p.barcode = QStringLiteral("marker");
    return p;
}

TEST(UbrelBarcode, MethodsDrawWhatTheModuleDrawersDraw)
{
    Globals g;
    g.fator_correcao = 1.0f;
    ubrelBarcode barcode(g);
    struct {
        const char* name;
        std::function<void(PictureBox&)> method, drawer;
    } cases[] = {
        {"EAN13", [&](PictureBox& b) { barcode.EAN13(b, 1, QStringLiteral("590123412345")); },
         [&](PictureBox& b) { DrawEAN13(b, 1, QStringLiteral("590123412345"), 0, g); }},
        {"EAN13 caption", [&](PictureBox& b) { barcode.EAN13(b, 2, QStringLiteral("590123412345"), true); },
         [&](PictureBox& b) { DrawEAN13(b, 2, QStringLiteral("590123412345"), 1, g); }},
        {"EAN8", [&](PictureBox& b) { barcode.EAN8(b, 1, QStringLiteral("9638507")); },
         [&](PictureBox& b) { DrawEAN8(b, 1, QStringLiteral("9638507"), false); }},
        {"Code39", [&](PictureBox& b) { barcode.Code39(b, 1, QStringLiteral("code39")); },
         [&](PictureBox& b) { DrawCode39(b, 1, QStringLiteral("code39"), false, false); }},
        {"Code39 check", [&](PictureBox& b) { barcode.Code39(b, 1, QStringLiteral("code39"), true, true); },
         [&](PictureBox& b) { DrawCode39(b, 1, QStringLiteral("code39"), true, true); }},
        {"Code128", [&](PictureBox& b) { barcode.Code128(b, 1, QStringLiteral("AB12345")); },
         [&](PictureBox& b) { DrawCode128(b, 1, QStringLiteral("AB12345"), false); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PictureBox viaMethod, viaDrawer;
        c.method(viaMethod);
        c.drawer(viaDrawer);
        ASSERT_FALSE(viaMethod.picture().isNull());
        EXPECT_EQ(viaMethod.picture().image, viaDrawer.picture().image);
        EXPECT_EQ(viaMethod.picture().barcode, viaDrawer.picture().barcode);
        EXPECT_EQ(viaMethod.width(), viaDrawer.width());
        EXPECT_EQ(viaMethod.height(), viaDrawer.height());
    }
    PictureBox box;
    EXPECT_THROW(barcode.EAN8(box, 1, QStringLiteral("123")), BarcodeError);
    EXPECT_THROW(barcode.Code128(box, 1, QString()), BarcodeError);
}

TEST(Bar39, DrawsTheModuleSymbolWithCaptionIntoTheKeptDrawingOnly)
{
    PictureBox module, object;
    DrawCode39(module, 1, QStringLiteral("ABC"), false, false);
    object.setPicture(marker());
    Bar39 bar;
    bar.Code39(object, 1, QStringLiteral("*ABC*"));
    EXPECT_EQ(object.picture().barcode, QStringLiteral("marker"));
    EXPECT_EQ(decode::modules(object.image(), 10, 0, 12 + 13 * 5), decode::modules(module.picture().image, 10, 0, 12 + 13 * 5));
    EXPECT_TRUE(inkBelow(object.image(), 25));
    EXPECT_EQ(object.height().value, qRound(15 * (object.textHeight(QStringLiteral("ABC")) + 35)));
    EXPECT_EQ(decode::surface(object.image(), ZXing::BarcodeFormat::Code39), QStringLiteral("ABC"));
}

TEST(Bar39, RefusesLowerCaseAndCharactersOutsideTheSet)
{
    for (const char* text : {"abc", "AB_C"}) {
        SCOPED_TRACE(text);
        PictureBox box;
        box.setPicture(marker());
        Bar39 bar;
        EXPECT_TRUE(bar.CheckCode());  // nothing to check before a first call
        try {
            bar.Code39(box, 1, QString::fromLatin1(text));
            ADD_FAILURE() << "no error";
        } catch (const BarcodeError& e) {
            EXPECT_EQ(e.source(), QStringLiteral("Bar 39"));
            EXPECT_EQ(e.description(), QStringLiteral("An Invalid Character Found in Bar Text"));
        }
        EXPECT_EQ(box.picture().barcode, QStringLiteral("marker"));
        EXPECT_THROW(bar.CheckCode(), BarcodeError);
    }
}

// Each object keeps the text of its own last call: what CheckCode finds tells whose it was.
TEST(Bar39, EachObjectChecksTheTextOfItsOwnLastCall)
{
    struct Case {
        const char* name;
        bool refusedFirst;  // the object given "abc" draws before the one given "AB-C"
    };
    for (const Case c : {Case{"good one first", false}, Case{"refused one first", true}}) {
        SCOPED_TRACE(c.name);
        PictureBox box1, box2;
        Bar39 good, refused;
        auto drawGood = [&] { good.Code39(box1, 1, QStringLiteral("*AB-C*")); };
        auto drawRefused = [&] { EXPECT_THROW(refused.Code39(box2, 2, QStringLiteral("abc")), BarcodeError); };
        if (c.refusedFirst) {
            drawRefused();
            drawGood();
        } else {
            drawGood();
            drawRefused();
        }
        EXPECT_TRUE(good.CheckCode());
        EXPECT_THROW(refused.CheckCode(), BarcodeError);
        EXPECT_EQ(decode::surface(box1.image(), ZXing::BarcodeFormat::Code39), QStringLiteral("AB-C"));
        // Another good call of the first object leaves the second one's text as it was.
        good.Code39(box1, 1, QStringLiteral("XY"));
        EXPECT_THROW(refused.CheckCode(), BarcodeError);
    }
}

TEST(Bar39, SurfaceHoldsLongSymbols)
{
    const QString text = QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%0123456789ABCDEFGHIJ");
    for (bool check : {false, true}) {
        PictureBox box;
        Bar39 bar;
        bar.Code39(box, 1, text, check);
        const int n = static_cast<int>(text.size()) + (check ? 3 : 2);
        EXPECT_EQ(box.image().width(), 12 + 13 * n + 12);
        EXPECT_EQ(decode::surface(box.image(), ZXing::BarcodeFormat::Code39, check), text);
    }
    PictureBox box;
    Bar39 bar;
    bar.Code39(box, 1, QStringLiteral("A"));
    EXPECT_EQ(box.width().value, (12 + 13 * 3 + 12) * 15);
}

TEST(Bar128, DrawsTheModuleSymbolWithCaptionIntoTheKeptDrawingOnly)
{
    PictureBox module, object;
    DrawCode128(module, 1, QStringLiteral("AB12345"), false);
    object.setPicture(marker());
    Bar128 bar;
    bar.Code128(object, 1, QStringLiteral("AB12345"));
    EXPECT_EQ(object.picture().barcode, QStringLiteral("marker"));
    EXPECT_EQ(object.width(), module.width());
    EXPECT_EQ(decode::modules(object.image(), 10, 0, object.image().width()),
              decode::modules(module.picture().image, 10, 0, module.picture().image.width()));
    EXPECT_TRUE(inkBelow(object.image(), 25));
    EXPECT_EQ(decode::surface(object.image(), ZXing::BarcodeFormat::Code128), QStringLiteral("AB12345"));
}

TEST(Bar128, RefusesEmptyTextAndCharactersOutsideSetB)
{
    for (const QString& text : {QString(), QStringLiteral("A\nB")}) {
        PictureBox box;
        Bar128 bar;
        bar.Code128(box, 1, QStringLiteral("OK"));
        EXPECT_THROW(bar.Code128(box, 1, text), BarcodeError);
        EXPECT_FALSE(inkBelow(box.image(), 0));  // cleared, and nothing of the refused text drawn
    }
}

}  // namespace
