#include "barcode/code39.h"
#include "barcode/ean13.h"
#include "platform/filesystem.h"
#include "platform/qtprinter.h"
#include "tests/barcode/decode.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A page printed through the file printer and rasterised at the resolution of a label printer.
struct FilePrinterPage : ::testing::Test {
    QTemporaryDir dir;
    FileSystem files{dir.path()};
    QtPrinterSystem printers{files};

    Printer& filePrinter()
    {
        for (int i = 0; i < printers.count(); ++i)
            if (printers.deviceName(i) == QtPrinterSystem::kFilePrinterName)
                printers.makeCurrent(i);
        Printer& p = printers.current();
        p.setScaleMode(ScaleMode::Millimetres);
        p.setWidth(Twips{9000});
        p.setHeight(Twips{1200});
        p.setPaperSize(Printer::kUserPaper);
        return p;
    }

    QImage rasterise()
    {
        EXPECT_EQ(printers.writtenFiles().size(), 1);
        if (printers.writtenFiles().isEmpty())
            return {};
        const QString out = dir.filePath(QStringLiteral("page"));
        const int rc = QProcess::execute(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("600"),
                                                                       QStringLiteral("-gray"), QStringLiteral("-singlefile"),
                                                                       printers.writtenFiles().first(), out});
        EXPECT_EQ(rc, 0);
        return QImage(out + QStringLiteral(".pgm"));
    }
};

// Pixels that are neither black nor white inside a rectangle of the page, in millimetres.
int greyPixels(const QImage& page, QRectF mm)
{
    const double dotsPerMm = 600 / 25.4;
    int grey = 0;
    for (int y = int(mm.top() * dotsPerMm) + 2; y < int(mm.bottom() * dotsPerMm) - 2; ++y)
        for (int x = int(mm.left() * dotsPerMm) + 2; x < int(mm.right() * dotsPerMm) - 2; ++x) {
            const int v = qGray(page.pixel(x, y));
            if (v > 40 && v < 215)
                ++grey;
        }
    return grey;
}

TEST_F(FilePrinterPage, StretchedBarcodePicturesPrintWithSharpBarsThatDecode)
{
    Globals g;
    PictureBox box;
    Printer& p = filePrinter();
    DrawEAN13(box, 1, QStringLiteral("590123412345"), 0, g);
    const QRectF ean(4, 3, 31, 8);  // not a whole number of printer dots per module
    p.paintPicture(box.picture(), ean.x(), ean.y(), ean.width(), ean.height());
    DrawCode39(box, 1, QStringLiteral("PACK-0042"), false, false);
    const QRectF code39(48, 3, 38, 8);
    p.paintPicture(box.picture(), code39.x(), code39.y(), code39.width(), code39.height());
    p.endDoc();

    const QImage page = rasterise();
    ASSERT_FALSE(page.isNull());
    EXPECT_EQ(decode::page(page, ZXing::BarcodeFormat::EAN13), QStringLiteral("5901234123457"));
    EXPECT_EQ(decode::page(page, ZXing::BarcodeFormat::Code39), QStringLiteral("PACK-0042"));
    // Smoothing would blur every bar edge into grey.
    EXPECT_EQ(greyPixels(page, ean), 0);
    EXPECT_EQ(greyPixels(page, code39), 0);
}

}  // namespace
