#include "platform/qtprinter.h"
#include "settings/printers.h"
#include "tests/common/pdftools.h"
#include "tests/common/testworkstation.h"

#include <QDir>
#include <QElapsedTimer>
#include <QThread>
#include <gtest/gtest.h>

namespace {

// The PDF files cups-pdf has finished writing into its output folder.
QStringList arrived(const QString& folder)
{
    QStringList out;
    for (const QString& f : QDir(folder).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name))
        out << folder + u'/' + f;
    return out;
}

QStringList waitForPdf(const QString& folder)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 60000) {
        const QStringList files = arrived(folder);
        if (!files.isEmpty() && pdf::pageCount(files.first()) > 0)
            return files;
        QThread::msleep(200);
    }
    return {};
}

}  // namespace

TEST(CupsQueueTest, TheQueueIsListedMadeCurrentByNameAndReceivesThePages)
{
    const QString queue = qEnvironmentVariable("ETIQUETAS_CUPS_QUEUE");
    const QString out = qEnvironmentVariable("ETIQUETAS_CUPS_PDF_OUT");
    ASSERT_FALSE(queue.isEmpty()) << "run beside with-cupsd.sh";

    TestWorkstation t;
    QtPrinterSystem system(t.files);
    QStringList names;
    for (int i = 0; i < system.count(); ++i)
        names << system.deviceName(i);
    ASSERT_TRUE(names.contains(queue)) << names.join(u',').toStdString();
    EXPECT_EQ(names.last(), QtPrinterSystem::kFilePrinterName);

    ASSERT_TRUE(define_impressora(system, queue));
    Printer& p = system.current();
    EXPECT_EQ(p.deviceName(), queue);
    p.setScaleMode(ScaleMode::Millimetres);
    p.setWidth(Twips{9000});
    p.setHeight(Twips{2660});
    p.setPaperSize(Printer::kUserPaper);
    p.setFontName(QStringLiteral("Arial"));
    p.setFontSize(14);
    p.setCurrentX(10);
    p.setCurrentY(10);
    p.print(QStringLiteral("FILA1"));
    p.filledBox(100, 20, 110, 30);
    p.newPage();
    p.setCurrentX(10);
    p.setCurrentY(10);
    p.print(QStringLiteral("FILA2"));
    p.newPage();
    p.endDoc();

    const QStringList files = waitForPdf(out);
    ASSERT_EQ(files.size(), 1);
    EXPECT_EQ(pdf::pageCount(files.first()), 2);
    // The queue's filters rewrite the fonts, so the pages are read as pictures.
    const QSizeF size = pdf::pageSizeMm(files.first(), 1);
    EXPECT_NEAR(size.width(), 158.75, 1.0);
    EXPECT_NEAR(size.height(), 46.92, 1.0);
    const QImage page1 = pdf::rasterise(files.first(), 1, 254);  // 10 pixels to the millimetre
    ASSERT_FALSE(page1.isNull());
    EXPECT_LT(qGray(page1.pixel(1050, 250)), 64);   // inside the box
    EXPECT_GT(qGray(page1.pixel(1050, 150)), 192);  // above it
    const auto inkIn = [](const QImage& img, QRect r) {
        int dark = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                dark += qGray(img.pixel(x, y)) < 128;
        return dark;
    };
    EXPECT_GT(inkIn(page1, QRect(100, 100, 200, 60)), 200);  // the text at 10 mm, 10 mm
    const QImage page2 = pdf::rasterise(files.first(), 2, 254);
    EXPECT_GT(inkIn(page2, QRect(100, 100, 200, 60)), 200);
    EXPECT_EQ(inkIn(page2, QRect(1000, 200, 100, 100)), 0);  // no box on the second page
    EXPECT_TRUE(system.writtenFiles().isEmpty());  // nothing went to the file printer
}
