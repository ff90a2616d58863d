#include "labels/product/cmd_printacessorio.h"
#include "platform/qtprinter.h"
#include "tests/common/pdftools.h"
#include "tests/common/testworkstation.h"
#include "tests/cups/queuejobs.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSet>
#include <QThread>
#include "tests/common/symbols.h"
#include <gtest/gtest.h>

namespace {

QSet<QString> pdfsIn(const QString& folder)
{
    QSet<QString> out;
    for (const QString& f : QDir(folder).entryList({QStringLiteral("*.pdf")}, QDir::Files))
        out << folder + u'/' + f;
    return out;
}

// The first PDF to arrive that was not there before, once cups-pdf has finished it.
QString waitForNewPdf(const QString& folder, const QSet<QString>& before)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 60000) {
        for (const QString& f : pdfsIn(folder) - before)
            if (pdf::pageCount(f) > 0)
                return f;
        QThread::msleep(200);
    }
    return {};
}

constexpr int kDpi = 600;

// The EAN-13 zxing-cpp reads in a band of the page, from x0 to x1 millimetres.
QString decodeEan13(const QImage& page, double x0, double x1)
{
    return symbols::readBand(page, kDpi, x0, x1, ZXing::BarcodeFormat::EAN13);
}

}  // namespace

// The print command on a box-front order of sizes 38 x 2 and 39 x 1, with the CUPS queue chosen
// by name in CMBPRINTER: two rows of labels arrive as the queue's PDF.
TEST(PrintCommandCupsTest, ABoxFrontRunArrivesThroughTheChosenQueue)
{
    const QString queue = qEnvironmentVariable("ETIQUETAS_CUPS_QUEUE");
    const QString out = qEnvironmentVariable("ETIQUETAS_CUPS_PDF_OUT");
    ASSERT_FALSE(queue.isEmpty()) << "run beside with-cupsd.sh";

    TestWorkstation t;
    QtPrinterSystem system(t.files);
    Workstation ws{t.files, t.profile, system, t.messages, t.screen};
    Program program{ws, t.form, t.g};
    MainForm& f = t.form;
    QStringList names;
    for (int i = 0; i < system.count(); ++i)
        names << system.deviceName(i);
    ASSERT_TRUE(names.contains(queue)) << names.join(u',').toStdString();

    t.write(QStringLiteral("Pendrova.ini"),
            QStringLiteral("[MargemOcultaZebra]\r\nMx4045_1=0\r\nMx4045_2=40\r\nMx4045=2,2\r\n"));
    const QString standard = system.current().deviceName();
    loadOrderForQueue(t, program, queue, standard);
    ASSERT_EQ(f.txtcodigo.text, "4501237");

    const QSet<QString> before = pdfsIn(out);
    cmd_printacessorio_Click(program);
    EXPECT_TRUE(t.messages.shown().empty());
    EXPECT_EQ(system.current().deviceName(), standard);
    EXPECT_TRUE(system.writtenFiles().isEmpty());  // nothing went to the file printer

    const QString file = waitForNewPdf(out, before);
    ASSERT_FALSE(file.isEmpty()) << "no PDF arrived in " << out.toStdString();
    ASSERT_EQ(pdf::pageCount(file), 2);
    const QSizeF size = pdf::pageSizeMm(file, 1);
    EXPECT_NEAR(size.width(), 158.75, 1.0);
    EXPECT_NEAR(size.height(), 46.92, 1.0);
    // The queue's filters rewrite the fonts, so the labels are read from the pictures.
    const QImage row1 = pdf::rasterise(file, 1, kDpi);
    const QImage row2 = pdf::rasterise(file, 2, kDpi);
    ASSERT_FALSE(row1.isNull());
    ASSERT_FALSE(row2.isNull());
    EXPECT_EQ(decodeEan13(row1, 0, 49), "7891234567802");
    EXPECT_EQ(decodeEan13(row1, 49, 100), "7891234567802");
    EXPECT_EQ(decodeEan13(row2, 0, 49), "7891234567819");
    EXPECT_EQ(decodeEan13(row2, 49, 100), "");  // size 39 has one label: the right half stays empty
    // Leave the queue's folder as it was for the other tests that read it.
    QFile::remove(file);
}
