#include "labels/product/cmd_printacessorio.h"
#include "orders/carrega_pedido.h"
#include "platform/qtprinter.h"
#include "tests/common/labelpdf.h"
#include "tests/common/pdftools.h"
#include "tests/common/symbols.h"
#include "tests/common/testworkstation.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <gtest/gtest.h>

namespace {

constexpr int kDpi = 600;

QString decodeEan13(const QImage& page, double x0, double x1)
{
    return symbols::readBand(page, kDpi, x0, x1, ZXing::BarcodeFormat::EAN13);
}

// The demo program folder, its first box-front order loaded, printing on the PDF file printer.
struct DemoPrint : ::testing::Test {
    TestWorkstation tw;
    QtPrinterSystem printers{tw.files};
    Workstation ws{tw.files, tw.profile, printers, tw.messages, tw.screen};
    Program p{ws, tw.form, tw.g};
    MainForm& f = tw.form;

    DemoPrint()
    {
        const QString demo = sourceDir() + QStringLiteral("/demo");
        QDirIterator it(demo, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString from = it.next();
            const QString to = tw.path(QDir(demo).relativeFilePath(from));
            QDir().mkpath(QFileInfo(to).path());
            QFile::copy(from, to);
        }
        f.lblpath.caption = tw.folder();
        chooseFilePrinterForPrintCommand(tw, printers);
    }

    void load(const QString& tipo, const QString& numero)
    {
        f.cmbtipo.text = tipo;
        f.txtarquivo.text = numero;
        carrega_pedido(p);
        tw.messages.clear();
    }
};

// Item "4501237": 2, 4, 6, 6, 4 and 2 pairs of sizes 38 to 43, two labels to a page.
TEST_F(DemoPrint, EveryBoxFrontLabelOfTheItemDecodesToItsSizesCode)
{
    load(QStringLiteral("Frente de Caixa"), QStringLiteral("1400050831"));
    ASSERT_EQ(f.txtcodigo.text, "4501237");
    cmd_printacessorio_Click(p);
    EXPECT_TRUE(tw.messages.shown().empty());
    EXPECT_EQ(printers.current().deviceName(), f.lblprinterdefault.caption);
    ASSERT_EQ(printers.writtenFiles().size(), 1);
    const QString file = printers.writtenFiles().first();

    const struct {
        const char* code;
        int labels;
    } sizes[] = {{"7899123400018", 2}, {"7899123400025", 4}, {"7899123400032", 6},
                 {"7899123400049", 6}, {"7899123400056", 4}, {"7899123400063", 2}};
    QStringList want;
    for (const auto& s : sizes)
        for (int n = 0; n < s.labels; ++n)
            want << QString::fromLatin1(s.code);
    ASSERT_EQ(pdf::pageCount(file), want.size() / 2);
    QStringList read;
    for (int page = 1; page <= want.size() / 2; ++page) {
        const QImage image = pdf::rasterise(file, page, kDpi);
        ASSERT_FALSE(image.isNull());
        read << decodeEan13(image, 0, 49) << decodeEan13(image, 49, 100);
    }
    EXPECT_EQ(read, want);
    const QSizeF size = pdf::pageSizeMm(file, 1);
    EXPECT_NEAR(size.width(), 158.75, 0.5);
    EXPECT_NEAR(size.height(), 46.92, 0.5);
    EXPECT_TRUE(pdf::text(file, 1).contains(QStringLiteral("SAPATO SOCIAL COURO")));
}

}  // namespace
