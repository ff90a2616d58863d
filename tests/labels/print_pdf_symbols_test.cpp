#include "labels/product/cmd_printacessorio.h"
#include "orders/carrega_pedido.h"
#include "platform/qtprinter.h"
#include "tests/common/labelpdf.h"
#include "tests/common/pdftools.h"
#include "tests/common/symbols.h"
#include "tests/common/testworkstation.h"

#include <QFileInfo>
#include <QMap>
#include <QSet>
#include <gtest/gtest.h>

namespace {

constexpr int kSizes = MainForm::kSizeCells;
constexpr int kPairsPerSize = 100;
constexpr int kFirstSize = 33;
// Box-front margins of the run: left column at 0, right at 40, top at 2.2 mm.
constexpr double kColumns[2] = {0, 40};
constexpr double kTop = 2.2;

// The EAN-13 of a size: twelve digits and the check digit of the standard.
QString eanOf(int size)
{
    const QString twelve = QStringLiteral("7899123400%1").arg(size);
    int sum = 0;
    for (int i = 0; i < 12; ++i)
        sum += (twelve[i].unicode() - u'0') * (i % 2 ? 3 : 1);
    return twelve + QString::number((10 - sum % 10) % 10);
}

// One line of `pdfimages -list`: where an image is used, and what the object is.
struct ImageUse {
    int page = 0;
    QString type, colour, encoding;
    int components = 0, bitsPerComponent = 0;
    int object = 0;
};

std::vector<ImageUse> imageUses(const QString& file)
{
    std::vector<ImageUse> uses;
    const QStringList lines = pdf::run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), file}).split(u'\n');
    for (const QString& line : lines) {
        const QStringList f = line.simplified().split(u' ');
        // page num type width height color comp bpc enc interp object ID ...
        bool number = false;
        const int page = f.value(0).toInt(&number);
        if (!number || f.size() < 11)
            continue;
        uses.push_back({page, f[2], f[5], f[8], f[6].toInt(), f[7].toInt(), f[10].toInt()});
    }
    return uses;
}

// Pixels of a row of a dark or light run that are not at either end of it must be pure black or
// pure white: a lossy picture of the bars leaves grey there.
int greyInsideRuns(const QImage& page, int dpi, const QRectF& mm)
{
    const QImage grey = page.convertToFormat(QImage::Format_Grayscale8);
    const double dots = dpi / 25.4;
    int grey_ = 0;
    for (int y = int(mm.top() * dots); y < int(mm.bottom() * dots); ++y) {
        const uchar* row = grey.constScanLine(y);
        for (int x = int(mm.left() * dots) + 1; x < int(mm.right() * dots) - 1; ++x) {
            const bool dark = row[x] < 128;
            const bool inside = (row[x - 1] < 128) == dark && (row[x + 1] < 128) == dark;
            if (inside && row[x] != (dark ? 0 : 255))
                ++grey_;
        }
    }
    return grey_;
}

// An item of 14 sizes, 100 pairs each, printed as box-front labels on the PDF file printer.
struct PrintedSymbols : ::testing::Test {
    TestWorkstation tw;
    QtPrinterSystem printers{tw.files};
    Workstation ws{tw.files, tw.profile, printers, tw.messages, tw.screen};
    Program p{ws, tw.form, tw.g};
    MainForm& f = tw.form;

    PrintedSymbols()
    {
        tw.write(QStringLiteral("Pendrova.ini"), QStringLiteral("[MargemOcultaZebra]\r\nMx4045_1=0\r\nMx4045_2=40\r\n"
                                                                "Mx4045=2,2\r\n"));
        QString order = QStringLiteral("ORVENNA;PEDIDO 900001;LOJA\r\n"
                                       "QTDE;COR;TAMANHO;REF;DESCRICAO;EAN;CODIGO;SEMANA;FAIXA;PROMOCAO;SUFIXO;LOJA\r\n");
        for (int size = kFirstSize; size < kFirstSize + kSizes; ++size)
            order += QStringLiteral("%1;PRETO;%2;REF 1;SAPATO SOCIAL COURO;%3;45012370%2;23;A;;2;L1\r\n")
                         .arg(kPairsPerSize)
                         .arg(size)
                         .arg(eanOf(size));
        tw.write(QStringLiteral("PEDIDO 900001 FRENTE.txt"), order);
        f.lblpath.caption = tw.folder();
        f.cmbtipo.text = QStringLiteral("Frente de Caixa");
        f.txtarquivo.text = QStringLiteral("900001");
        carrega_pedido(p);
        f.txtpreco.text = QStringLiteral("129,90");
        chooseFilePrinterForPrintCommand(tw, printers);
    }
};

TEST_F(PrintedSymbols, EachCodeIsOneLosslessBlackAndWhiteImageThatReadsAtPrinterResolutions)
{
    cmd_printacessorio_Click(p);
    ASSERT_TRUE(tw.messages.shown().empty());
    ASSERT_EQ(printers.writtenFiles().size(), 1);
    const QString file = printers.writtenFiles().first();
    constexpr int kPages = kSizes * kPairsPerSize / 2;
    ASSERT_EQ(pdf::pageCount(file), kPages);
    EXPECT_LE(QFileInfo(file).size(), 1'300'000);

    // Every label's symbol is a use of a 1-bit grey image, never a mask or a JPEG; the fourteen
    // codes are fourteen objects, shared by the 100 labels of each size.
    QMap<int, int> symbolsPerPage;
    QSet<int> symbolObjects;
    for (const ImageUse& use : imageUses(file)) {
        if (use.bitsPerComponent != 1)
            continue;
        EXPECT_EQ(use.type, QStringLiteral("image")) << "page " << use.page;
        EXPECT_EQ(use.colour, QStringLiteral("gray"));
        EXPECT_EQ(use.components, 1);
        EXPECT_NE(use.encoding, QStringLiteral("jpeg"));
        ++symbolsPerPage[use.page];
        symbolObjects.insert(use.object);
    }
    EXPECT_EQ(symbolObjects.size(), kSizes);
    EXPECT_EQ(symbolsPerPage.size(), kPages);
    for (auto it = symbolsPerPage.cbegin(); it != symbolsPerPage.cend(); ++it)
        EXPECT_EQ(it.value(), 2) << "page " << it.key();

    // The first row of each size shows its two labels; both read as the size's code, and the
    // bars and spaces are pure black and white on the page.
    for (int size = 0; size < kSizes; ++size) {
        const int pageNo = size * kPairsPerSize / 2 + 1;
        for (int dpi : {300, 600}) {
            SCOPED_TRACE(QStringLiteral("size %1, page %2, %3 dpi").arg(kFirstSize + size).arg(pageNo).arg(dpi).toStdString());
            const QImage page = pdf::rasterise(file, pageNo, dpi);
            ASSERT_FALSE(page.isNull());
            for (double X : kColumns) {
                const QRectF symbol(X + 11.4, kTop + 33, 35, 14);
                EXPECT_EQ(symbols::readArea(page, dpi, symbol.adjusted(-3, -1, 3, 1), ZXing::BarcodeFormat::EAN13),
                          eanOf(kFirstSize + size));
                // The modules stand at columns 11 to 105 of 140 and the bars fill rows 0 to 9 of 27.
                const QRectF bars(symbol.left() + 11 * 35.0 / 140, symbol.top() + 0.5, 95 * 35.0 / 140,
                                  10 * 14.0 / 27 - 1);
                EXPECT_EQ(greyInsideRuns(page, dpi, bars), 0) << "column at " << X;
            }
        }
    }
}

}  // namespace
