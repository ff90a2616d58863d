// A queue whose printer prints both sides unless told otherwise: labels are single sheets, so every
// job asks for one side, and for the page as it was drawn.
#include "platform/qtprinter.h"
#include "tests/common/testworkstation.h"
#include "tests/cups/privateserver.h"
#include "tests/cups/queuejobs.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

// The cups-pdf driver given a duplex unit that is on by default; the queue's device gets the
// PostScript the driver makes, where the duplex setting and the page size can be read.
QString twoSidedDriver(const QString& folder)
{
    QFile base(QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd"));
    if (!base.open(QIODevice::ReadOnly))
        return {};
    QByteArray ppd = base.readAll();
    ppd += "*OpenUI *Duplex/Double-Sided Printing: PickOne\n"
           "*OrderDependency: 100 AnySetup *Duplex\n"
           "*DefaultDuplex: DuplexNoTumble\n"
           "*Duplex None/Off: \"<</Duplex false>>setpagedevice\"\n"
           "*Duplex DuplexNoTumble/Long Edge: \"<</Duplex true/Tumble false>>setpagedevice\"\n"
           "*Duplex DuplexTumble/Short Edge: \"<</Duplex true/Tumble true>>setpagedevice\"\n"
           "*CloseUI: *Duplex\n";
    const QString path = folder + QStringLiteral("/frente-e-verso.ppd");
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(ppd) != ppd.size())
        return {};
    return path;
}

// "Custom.WxHmm" or "Custom.WxH" (points), in millimetres.
QSizeF customMediaMm(const QString& media)
{
    static const QRegularExpression shape(QStringLiteral("^Custom\\.([0-9.]+)x([0-9.]+)(mm|in|cm|pt)?$"));
    const QRegularExpressionMatch m = shape.match(media);
    if (!m.hasMatch())
        return {};
    const QString unit = m.captured(3);
    const double toMm = unit == QStringLiteral("mm") ? 1 : unit == QStringLiteral("cm") ? 10
                        : unit == QStringLiteral("in")  ? 25.4
                                                        : 25.4 / 72;
    return {m.captured(1).toDouble() * toMm, m.captured(2).toDouble() * toMm};
}

}  // namespace

TEST(JobOptionsTest, AQueueThatPrintsBothSidesByDefaultGetsOneSidedJobsOfTheDrawnPage)
{
    ASSERT_FALSE(qEnvironmentVariable("ETIQUETAS_CUPS_QUEUE").isEmpty()) << "run beside with-cupsd.sh";
    QTemporaryDir device;
    ASSERT_TRUE(device.isValid());
    // The server's file device writes as its own user.
    ASSERT_EQ(::chmod(QFile::encodeName(device.path()).constData(), 0777), 0);
    const QString driver = twoSidedDriver(device.path());
    ASSERT_FALSE(driver.isEmpty());
    const QString output = device.path() + QStringLiteral("/saida.ps");
    const QString queue = QStringLiteral("Etiquetas_Frente_Verso_%1").arg(QCoreApplication::applicationPid());
    ASSERT_EQ(admin(QStringLiteral("lpadmin"), {QStringLiteral("-p"), queue, QStringLiteral("-E"), QStringLiteral("-v"),
                                                QStringLiteral("file://") + output, QStringLiteral("-P"), driver}),
              QString());
    ASSERT_EQ(queueAttributes(queue).value(QStringLiteral("sides-default")), QStringLiteral("two-sided-long-edge"));

    struct Page {
        const char* name;
        int widthTwips, heightTwips;
    };
    const Page pages[] = {
        {"a row of two box-front labels", 9000, 2660},
        {"a narrow label", 4535, 2835},
    };
    TestWorkstation t;
    QtPrinterSystem system(t.files);
    const int index = indexOf(system, queue);
    ASSERT_GE(index, 0);
    system.makeCurrent(index);
    for (const Page& page : pages) {
        SCOPED_TRACE(page.name);
        const QList<int> before = jobsOf(queue);
        Printer& p = system.current();
        p.setScaleMode(ScaleMode::Millimetres);
        p.setWidth(Twips{page.widthTwips});
        p.setHeight(Twips{page.heightTwips});
        p.setPaperSize(Printer::kUserPaper);
        p.setCurrentX(5);
        p.setCurrentY(5);
        p.print(QStringLiteral("UM LADO"));
        p.newPage();
        p.setCurrentX(5);
        p.setCurrentY(5);
        p.print(QStringLiteral("OUTRA ETIQUETA"));
        ASSERT_TRUE(p.endDoc()) << p.failure().toStdString();

        const QList<int> after = jobsOf(queue);
        ASSERT_EQ(after.size(), before.size() + 1);
        const QMap<QString, QString> job = finishedJob(after.last());
        EXPECT_EQ(job.value(QStringLiteral("job-state")), QStringLiteral("completed"));
        EXPECT_EQ(job.value(QStringLiteral("sides")), QStringLiteral("one-sided"));
        const double widthMm = page.widthTwips * 25.4 / 1440, heightMm = page.heightTwips * 25.4 / 1440;
        const QSizeF media = customMediaMm(job.value(QStringLiteral("media")));
        EXPECT_NEAR(media.width(), widthMm, 0.01) << job.value(QStringLiteral("media")).toStdString();
        EXPECT_NEAR(media.height(), heightMm, 0.01) << job.value(QStringLiteral("media")).toStdString();

        // What the device received: both pages, printed on one side, on paper of the page's size.
        QFile printed(output);
        ASSERT_TRUE(printed.open(QIODevice::ReadOnly));
        const QByteArray ps = printed.readAll();
        EXPECT_TRUE(ps.contains("%%BeginFeature: *Duplex None"));
        EXPECT_FALSE(ps.contains("*Duplex DuplexNoTumble"));
        // The driver sets custom paper in whole points.
        static const QRegularExpression box(QStringLiteral("%%PageBoundingBox: 0 0 (\\d+) (\\d+)"));
        int boxes = 0;
        for (const QRegularExpressionMatch& m : box.globalMatch(QString::fromLatin1(ps))) {
            ++boxes;
            EXPECT_NEAR(m.captured(1).toDouble(), widthMm * 72 / 25.4, 1.0);
            EXPECT_NEAR(m.captured(2).toDouble(), heightMm * 72 / 25.4, 1.0);
        }
        EXPECT_EQ(boxes, 2);
    }
    admin(QStringLiteral("lpadmin"), {QStringLiteral("-x"), queue});
}
