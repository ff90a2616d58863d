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
                  QStringList{QStringLiteral("Etiquetas não impressas:\n"
                                             "tamanho 38, código \"78912345678X2\": o código de barras não pôde ser "
                                             "gerado (An Invalid Character Found in Bar Text)")});
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

// Sizes whose symbol would encode other digits than those printed beside it, and sizes that print
// nothing for other reasons, leave no label: every symbol on the pages reads as the digits beside
// it, and one message after the run names each size left out and why.
TEST_F(RefusedSymbolPdf, EverySymbolReadsAsTheDigitsBesideItAndTheRestIsNamed)
{
    tw.write(QStringLiteral("PEDIDO 780010 FRENTE.txt"),
             QStringLiteral("MERVALK;PEDIDO 780010\r\n"
                            "QTDE;COR;TAMANHO;REF;DESCRICAO;EAN;CODIGO;SEMANA;FAIXA;PROMOCAO;SUFIXO;LOJA\r\n"
                            "1;PRETO;38;R;TENIS CASUAL;7891000000039;4501237038;23;A;;2;L1\r\n"
                            "1;PRETO;39;R;TENIS CASUAL;789123456781;4501237039;23;A;;2;L1\r\n"
                            "1;PRETO;40;R;TENIS CASUAL;78910000000381;4501237040;23;A;;2;L1\r\n"
                            "1;PRETO;P;R;TENIS CASUAL;789123456785;4501237099;23;A;;2;L1\r\n"
                            "1;PRETO;41;R;TENIS CASUAL;789123456798;4501237041;23;A;;2;L1\r\n"
                            "1;PRETO;42;R;TENIS CASUAL;789123456804;4501237042;23;A;;2;L1\r\n"));
    const QString kEan39 = QStringLiteral("7891234567819"), kEan41 = QStringLiteral("7891234567987");
    const QString head = QStringLiteral("Etiquetas não impressas:\n"
                                        "tamanho 38, código \"7891000000039\": o dígito verificador não confere\n"
                                        "tamanho 40, código \"78910000000381\": tem mais de 13 dígitos\n"
                                        "tamanho P: o tamanho não é um número, e o EAN só é procurado para tamanhos "
                                        "numéricos\n");
    struct Case {
        QString tipo;
        double split, right;  // mm: where the right-hand label's band starts and ends
        QList<QStringList> pages;
        QStringList messages;
    };
    const Case cases[] = {
        {QStringLiteral("Frente de Caixa"), 49, 100, {{kEan39, kEan41}},
         {head + "tamanho 42, código \"7891234568045\": a quantidade \"40000\" não é um número inteiro de 0 a "
                 "32767"}},
        // The hidden run stops at the size without codes, as it always has, and names the rest.
        {QStringLiteral("Oculta"), 54, 110, {{kEan39, kEan39}},
         {QStringLiteral("Erro - 1012 - Código Master - Contate Suporte "),
          head + "tamanho 41: a impressão parou antes deste tamanho (Erro - 1012)\n"
                 "tamanho 42: a impressão parou antes deste tamanho (Erro - 1012)"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tipo.toStdString());
        tw.messages.clear();
        f.cmbtipo.text = c.tipo;
        f.txtarquivo.text = QStringLiteral("780010");
        f.cmb_referencia.clear();
        carrega_pedido(p);
        ASSERT_TRUE(tw.messages.shown().empty());
        // Size 42 typed past what a cell can print.
        ASSERT_EQ(f.Label7[5].caption, QStringLiteral("42"));
        f.txtnumero[5].text = QStringLiteral("40000");
        const qsizetype before = printers.writtenFiles().size();

        cmd_printacessorio_Click(p);

        EXPECT_EQ(tw.messages.texts(), c.messages);
        ASSERT_EQ(printers.writtenFiles().size(), before + 1);
        const QString file = printers.writtenFiles().last();
        ASSERT_EQ(pdf::pageCount(file), c.pages.size());
        for (int page = 1; page <= c.pages.size(); ++page) {
            SCOPED_TRACE(page);
            const QImage image = pdf::rasterise(file, page, kDpi);
            ASSERT_FALSE(image.isNull());
            const QStringList read{symbols::readBand(image, kDpi, 0, c.split, ZXing::BarcodeFormat::EAN13),
                                   symbols::readBand(image, kDpi, c.split, c.right, ZXing::BarcodeFormat::EAN13)};
            EXPECT_EQ(read, c.pages.at(page - 1));
            // The digits beside each symbol are the ones it encodes.
            const QString text = pdf::text(file, page);
            for (const QString& code : read)
                EXPECT_TRUE(text.contains(code.left(6)) && text.contains(code.mid(6))) << code.toStdString();
            EXPECT_FALSE(text.contains(QStringLiteral("0000039")));
            EXPECT_FALSE(text.contains(QStringLiteral("0000038")));
        }
    }
}

}  // namespace
