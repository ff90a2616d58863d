#include "platform/qtprinter.h"
#include "platform/recordingprinter.h"
#include "tests/common/pdftools.h"
#include "tests/common/testworkstation.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

void setUpRow(Printer& p, int heightTwips)
{
    p.setScaleMode(ScaleMode::Millimetres);
    p.setWidth(Twips{9000});
    p.setHeight(Twips{heightTwips});
    p.setPaperSize(Printer::kUserPaper);
}

}  // namespace

TEST(RecordingPrinterTest, TextSitsAtTheTopLeftOfItsCellAndPrintingMovesToTheNextLine)
{
    RecordingPrinter p;
    setUpRow(p, 2660);
    p.setFontName(QStringLiteral("Calibri"));
    p.setFontSize(10);
    p.setFontBold(true);
    p.setCurrentX(5);
    p.setCurrentY(7);
    p.print(QStringLiteral("ABCDEFG"));
    EXPECT_DOUBLE_EQ(p.currentX(), 0);
    EXPECT_DOUBLE_EQ(p.currentY(), 11);  // 7 + 10 x 0.4
    p.setFontBold(false);
    p.print(QStringLiteral("x"));
    p.endDoc();

    ASSERT_EQ(p.documents().size(), 1u);
    const auto& page = p.documents()[0].pages.at(0);
    EXPECT_NEAR(page.sizeMm.width(), 158.75, 1e-9);
    EXPECT_NEAR(page.sizeMm.height(), 46.919, 1e-3);
    const auto* a = page.findText(QStringLiteral("ABCDEFG"));
    ASSERT_NE(a, nullptr);
    EXPECT_DOUBLE_EQ(a->x, 5);
    EXPECT_DOUBLE_EQ(a->y, 7);
    EXPECT_DOUBLE_EQ(a->width, 10);
    EXPECT_TRUE(a->font.bold);
    EXPECT_EQ(a->font.name, QStringLiteral("Calibri"));
    const auto* b = page.findText(QStringLiteral("x"));
    ASSERT_NE(b, nullptr);
    EXPECT_DOUBLE_EQ(b->x, 0);
    EXPECT_DOUBLE_EQ(b->y, 11);
    EXPECT_FALSE(b->font.bold);
}

TEST(RecordingPrinterTest, NewPagesArePendingUntilSomethingIsDrawn)
{
    RecordingPrinter p;
    setUpRow(p, 1200);
    p.newPage();  // before any output: nothing to end
    p.filledBox(1, 1, 2, 2);
    p.newPage();
    p.newPage();
    p.print(QStringLiteral("second"));
    p.newPage();
    p.endDoc();  // directly after a new page: no empty last page
    ASSERT_EQ(p.documents().size(), 1u);
    ASSERT_EQ(p.documents()[0].pages.size(), 2u);
    EXPECT_EQ(p.documents()[0].pages[1].ops.size(), 1u);

    p.newPage();
    p.print(QString());  // an empty text draws nothing
    p.endDoc();
    EXPECT_EQ(p.documents().size(), 1u);  // an empty document prints nothing
}

TEST(RecordingPrinterTest, UserPaperKeepsTheSizeSetJustBeforeItAndStandardPaperDoesNot)
{
    RecordingPrinter p;
    p.setWidth(Twips{9000});
    p.setHeight(Twips{9000});
    p.setPaperSize(Printer::kUserPaper);
    EXPECT_EQ(p.width(), Twips{9000});
    EXPECT_EQ(p.height(), Twips{9000});
    p.setPaperSize(9);
    EXPECT_EQ(p.width(), Twips{11906});
}

TEST(RecordingPrinterTest, PixelScaleCountsInDevicePixels)
{
    RecordingPrinter p;
    p.setScaleMode(ScaleMode::Pixels);
    p.setCurrentX(RecordingPrinter::kDpi);  // one inch
    p.setScaleMode(ScaleMode::Millimetres);
    EXPECT_NEAR(p.currentX(), 25.4, 1e-9);
}

TEST(RecordingPrinterTest, PicturesKeepTheirSourceRegionAndBarcode)
{
    RecordingPrinter p;
    Picture pic;
    pic.image = QImage(40, 20, QImage::Format_RGB32);
    pic.barcode = QStringLiteral("5901234123457");
    p.paintPicture(pic, 1, 2, 38, 10, Printer::Region{0, 0, 300, pic.heightMm()});
    p.paintPicture(pic, 3, 4, 35, 8);
    EXPECT_THROW(p.paintPicture(Picture(), 0, 0, 1, 1), ProgramError);
    p.endDoc();
    const auto& ops = p.documents().at(0).pages.at(0).ops;
    ASSERT_EQ(ops.size(), 2u);
    EXPECT_EQ(ops[0].barcode, QStringLiteral("5901234123457"));
    ASSERT_TRUE(ops[0].source.has_value());
    EXPECT_DOUBLE_EQ(ops[0].source->width, 300);
    EXPECT_FALSE(ops[1].source.has_value());
    EXPECT_DOUBLE_EQ(ops[1].width, 35);
}

TEST(RecordingPrinterSystemTest, NoPrinterInstalledIsAnError)
{
    RecordingPrinterSystem none(QStringList{});
    EXPECT_EQ(none.count(), 0);
    EXPECT_THROW(none.current(), ProgramError);
}

struct FilePrinterFixture : ::testing::Test {
    TestWorkstation t;
    QtPrinterSystem system{t.files};
    Printer& filePrinter()
    {
        system.makeCurrent(system.count() - 1);
        return system.current();
    }
};

TEST_F(FilePrinterFixture, TheFilePrinterIsListedLast)
{
    EXPECT_EQ(system.deviceName(system.count() - 1), QtPrinterSystem::kFilePrinterName);
    EXPECT_THROW(system.deviceName(system.count()), ProgramError);
}

TEST_F(FilePrinterFixture, PagesHaveTheirSizeAndNoTrailingBlankPage)
{
    Printer& p = filePrinter();
    setUpRow(p, 2660);
    p.setFontName(QStringLiteral("Arial"));
    p.setFontSize(12);
    for (int i = 1; i <= 3; ++i) {
        p.setCurrentX(10);
        p.setCurrentY(10);
        p.print(QStringLiteral("PAGINA%1").arg(i));
        p.newPage();
    }
    p.endDoc();
    ASSERT_EQ(system.writtenFiles().size(), 1);
    const QString file = system.writtenFiles().at(0);
    EXPECT_TRUE(file.startsWith(system.outputFolder()));
    EXPECT_EQ(pdf::pageCount(file), 3);
    for (int page = 1; page <= 3; ++page) {
        const QSizeF size = pdf::pageSizeMm(file, page);
        EXPECT_NEAR(size.width(), 158.75, 0.1);
        EXPECT_NEAR(size.height(), 46.92, 0.1);
        EXPECT_TRUE(pdf::text(file, page).contains(QStringLiteral("PAGINA%1").arg(page)));
    }
}

TEST_F(FilePrinterFixture, AnEmptyDocumentPrintsNothing)
{
    Printer& p = filePrinter();
    setUpRow(p, 1200);
    p.newPage();
    p.endDoc();
    EXPECT_TRUE(system.writtenFiles().isEmpty());
}

TEST_F(FilePrinterFixture, TextAndBoxesLandAtTheirMillimetrePositions)
{
    Printer& p = filePrinter();
    setUpRow(p, 2660);
    p.setFontName(QStringLiteral("Arial"));
    p.setFontSize(10);
    p.setCurrentX(20);
    p.setCurrentY(5);
    p.print(QStringLiteral("MARCO"));
    p.print(QStringLiteral("LINHA2"));
    const double wide = p.textWidth(QStringLiteral("MARCO"));
    p.filledBox(100, 20, 110, 30);
    p.endDoc();
    const QString file = system.writtenFiles().at(0);

    const auto words = pdf::words(file, 1);
    ASSERT_EQ(words.size(), 2u);
    const auto find = [&](const QString& text) {
        for (const auto& w : words)
            if (w.text == text)
                return w.mm;
        ADD_FAILURE() << text.toStdString() << " not printed";
        return QRectF();
    };
    const QRectF marco = find(QStringLiteral("MARCO"));
    EXPECT_NEAR(marco.left(), 20, 0.3);
    EXPECT_NEAR(marco.top(), 5, 0.3);
    EXPECT_NEAR(marco.width(), wide, 0.3);
    const QRectF next = find(QStringLiteral("LINHA2"));
    EXPECT_NEAR(next.left(), 0, 0.3);  // the next line starts at the left edge
    EXPECT_NEAR(next.top(), marco.bottom(), 0.5);

    const QImage img = pdf::rasterise(file, 1, 254);  // 10 pixels to the millimetre
    ASSERT_FALSE(img.isNull());
    EXPECT_LT(qGray(img.pixel(1050, 250)), 64);   // inside the box
    EXPECT_GT(qGray(img.pixel(1050, 180)), 192);  // above it
    EXPECT_GT(qGray(img.pixel(1120, 250)), 192);  // right of it
    EXPECT_LT(qGray(img.pixel(1003, 203)), 64);   // just inside its top-left corner
}
