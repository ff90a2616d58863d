#include "labels/product/cmd_printacessorio.h"
#include "orders/carrega_pedido.h"
#include "platform/qtprinter.h"
#include "tests/common/labelpdf.h"
#include "tests/common/pdftools.h"
#include "tests/common/symbols.h"
#include "tests/common/testworkstation.h"

#include <gtest/gtest.h>

namespace {

constexpr int kDpi = 600;

// A box-front order of one item whose size 38 has an EAN holding a letter, printed through the
// PDF file printer as the operator prints it.
struct RefusedSymbolPdf : ::testing::Test {
    TestWorkstation tw;
    QtPrinterSystem printers{tw.files};
    Workstation ws{tw.files, tw.profile, printers, tw.messages, tw.screen};
    Program p{ws, tw.form, tw.g};
    MainForm& f = tw.form;

    RefusedSymbolPdf()
    {
        tw.write(QStringLiteral("Pendrova.ini"),
                 QStringLiteral("[MargemOcultaZebra]\r\nMx4045_1=0\r\nMx4045_2=40\r\nMx4045=3\r\n"
                                "Margem_oculta1=3\r\nMargem_oculta11=45\r\nMargem_oculta2=3\r\n"));
        tw.write(QStringLiteral("PEDIDO 780009 FRENTE.txt"),
                 QStringLiteral("MERVALK;PEDIDO 780009\r\n"
                                "QTDE;COR;TAMANHO;REF;DESCRICAO;EAN;CODIGO;SEMANA;FAIXA;PROMOCAO;SUFIXO;LOJA\r\n"
                                "1;PRETO;38;R;TENIS CASUAL;78912345678X;4501237038;23;A;;2;L1\r\n"
                                "1;PRETO;39;R;TENIS CASUAL;789123456781;4501237039;23;A;;2;L1\r\n"
                                "1;PRETO;40;R;TENIS CASUAL;789123456798;4501237040;23;A;;2;L1\r\n"));
        f.lblpath.caption = tw.folder();
        chooseFilePrinterForPrintCommand(tw, printers);
    }
};

// Every page holds two whole labels of the sizes whose symbol could be drawn: no label of size 38
// (a stub would take the first place and push the others one place on), and one message after
// the run names the size and the reason.
TEST_F(RefusedSymbolPdf, TheSizeLeavesNoLabelAndIsNamedAfterTheRun)
{
    const QString kEan39 = QStringLiteral("7891234567819"), kEan40 = QStringLiteral("7891234567987");
    struct Case {
        QString tipo;
        double split, right;  // mm: where the right-hand label's band starts and ends
        QList<QStringList> pages;
    };
    const Case cases[] = {
        {QStringLiteral("Frente de Caixa"), 49, 100, {{kEan39, kEan40}}},
        {QStringLiteral("Oculta"), 54, 110, {{kEan39, kEan39}, {kEan40, kEan40}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tipo.toStdString());
        tw.messages.clear();
        f.cmbtipo.text = c.tipo;
        f.txtarquivo.text = QStringLiteral("780009");
        f.cmb_referencia.clear();
        carrega_pedido(p);
        ASSERT_TRUE(tw.messages.shown().empty());
        const qsizetype before = printers.writtenFiles().size();

        cmd_printacessorio_Click(p);

        EXPECT_EQ(tw.messages.texts(),
                  QStringList{QStringLiteral("Etiquetas não impressas: o código de barras não pôde ser gerado.\n"
                                             "tamanho 38, código \"78912345678X2\": An Invalid Character Found in "
                                             "Bar Text")});
        ASSERT_EQ(printers.writtenFiles().size(), before + 1);
        const QString file = printers.writtenFiles().last();
        ASSERT_EQ(pdf::pageCount(file), c.pages.size());
        for (int page = 1; page <= c.pages.size(); ++page) {
            SCOPED_TRACE(page);
            const QImage image = pdf::rasterise(file, page, kDpi);
            ASSERT_FALSE(image.isNull());
            EXPECT_EQ((QStringList{symbols::readBand(image, kDpi, 0, c.split, ZXing::BarcodeFormat::EAN13),
                                   symbols::readBand(image, kDpi, c.split, c.right, ZXing::BarcodeFormat::EAN13)}),
                      c.pages.at(page - 1));
            EXPECT_FALSE(pdf::text(file, page).contains(QStringLiteral("4501237038")));
        }
    }
}

}  // namespace
