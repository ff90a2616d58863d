#include "labels/pack/novo_etipack.h"
#include "labels/product/cmd_printacessorio.h"
#include "orders/carrega_corrugado.h"
#include "orders/carrega_pedido.h"
#include "platform/processes.h"
#include "platform/qtprinter.h"
#include "tests/common/pdftools.h"
#include "tests/common/testworkstation.h"
#include "tests/labels/pack_support.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

// A program folder with the real generator and java, printing through the PDF file printer.
struct PackLabelPdf : ::testing::Test {
    void SetUp() override
    {
        ASSERT_TRUE(QFile::exists(builtQrlumoJar())) << "build the qrlumo target first";
        ASSERT_FALSE(javaFolder().isEmpty()) << "no java on this machine";
        installFontSubstitutes();
        QDir().mkpath(ws.path(QStringLiteral("tmp")));
        ASSERT_TRUE(QFile::copy(builtQrlumoJar(), ws.path(QStringLiteral("qrlumo.jar"))));
        station.processes = &processes;
    }

    TestWorkstation ws;
    QtProcesses processes;
    QtPrinterSystem printers{ws.files};
    Workstation station{ws.files, ws.profile, printers, ws.messages, ws.screen};
    Program program{station, ws.form, ws.g};
};

TEST_F(PackLabelPdf, EveryVolumesQrDecodesToItsPackCode)
{
    const int filePrinter = printers.count() - 1;
    ASSERT_EQ(printers.deviceName(filePrinter), QtPrinterSystem::kFilePrinterName);
    printers.makeCurrent(filePrinter);

    MainForm& f = ws.form;
    const QString master = QStringLiteral("4402318");
    const QStringList codes{QStringLiteral("7891234500017"), QStringLiteral("7891234500024"),
                            QStringLiteral("7891234500031")};
    QStringList pack;
    for (int i = 0; i < codes.size(); ++i)
        pack << master + u'|' + codes[i] + QStringLiteral("|%1/3").arg(i + 1);
    fillCarton(f, master, pack, 1, 3);
    f.lbljava.caption = javaFolder();
    f.tem_departamento = true;
    f.txtdestino1.text = QStringLiteral("CD CAJAMAR");
    f.txtarquivo.text = QStringLiteral("780123");
    f.txtsemana1.text = QStringLiteral("32/2026");
    f.txtdepartamento.text = QStringLiteral("MASCULINO");
    f.txtcampanha.text = QStringLiteral("VERAO EM MOVIMENTO");
    f.txtfornecedor1.text = QStringLiteral("CALCADOS PASSO FIRME LTDA");
    f.txtcor1.text = QStringLiteral("PRETO");
    f.txtdescricao1.text = QStringLiteral("TENIS CASUAL MASCULINO");
    f.txtgrade1.text = QStringLiteral("37 38 39 40 41 42");
    f.txtgrade2.text = QStringLiteral("2 4 6 6 4 2");
    f.txttotgrade.text = QStringLiteral("24");
    ws.g.margem_pack_x = 2.2f;
    ws.g.margem_pack_y = 2.1f;

    Printer& pr = printers.current();
    pr.setScaleMode(ScaleMode::Millimetres);
    pr.setWidth(Twips{9000});
    pr.setHeight(Twips{9000});
    pr.setPaperSize(Printer::kUserPaper);
    QString cd = f.txtdestino1.text, codigo = f.txtean.text;
    Novo_EtiPack(program, ws.g.codigo_marca, cd, f.txtarquivo.text, master, f.txtfornecedor1.text, f.txtdescricao1.text,
                 f.txtcor1.text, codigo, f.txtgrade1.text, f.txtgrade2.text, f.txttotgrade.text, 1, 3,
                 f.txtsemana1.text);
    pr.endDoc();

    EXPECT_TRUE(ws.messages.shown().empty());
    ASSERT_EQ(printers.writtenFiles().size(), 1);
    const QString file = printers.writtenFiles().first();
    ASSERT_EQ(pdf::pageCount(file), 3);
    for (int page = 1; page <= 3; ++page) {
        SCOPED_TRACE(page);
        const QSizeF size = pdf::pageSizeMm(file, page);
        EXPECT_NEAR(size.width(), 158.75, 0.5);
        EXPECT_NEAR(size.height(), 158.75, 0.5);
        EXPECT_EQ(decodeQr(pdf::rasterise(file, page, 300)), codes[page - 1]);
        const QString text = pdf::text(file, page);
        EXPECT_TRUE(text.contains(QStringLiteral("Volume: %1/3").arg(page))) << text.toStdString();
        EXPECT_TRUE(text.contains(codes[page - 1]));
    }
}

// An order with the department column and three cartons, loaded and printed as the operator does:
// the second carton, then the third. Each page's QR is its own volume's, though the cartons'
// entries lie after the first carton's in the pack list.
TEST_F(PackLabelPdf, EveryCartonOfADepartmentOrderPrintsItsOwnVolumesQr)
{
    struct Carton {
        QString master, description;
        QStringList codes;
    };
    const Carton cartons[] = {
        {QStringLiteral("4402318"), QStringLiteral("TENIS CASUAL"), {"7891234500014", "7891234500021"}},
        {QStringLiteral("4402325"), QStringLiteral("TENIS CORRIDA"),
         {"7891234500106", "7891234500113", "7891234500120"}},
        {QStringLiteral("4402332"), QStringLiteral("SAPATILHA"), {"7891234500205", "7891234500212"}},
    };
    QStringList lines{QStringLiteral("MERVALK;PEDIDO 780010;DISTRIBUIDORA"),
                      QStringLiteral("QTDE;LOJA;MASTER;FORNECEDOR;COR;DESCRICAO;EAN;GRADE;QTDE GRADE;TOTAL;SEMANA;"
                                     "DESTINO;VOLUME;SUFIXO;CAMPANHA;DEPARTAMENTO;INICIO PROMOCAO")};
    for (const Carton& c : cartons)
        for (int v = 1; v <= c.codes.size(); ++v)
            lines << QStringLiteral("24;01;%1;PASSO FIRME LTDA;PRETO;%2;%3;37 38 39;2 4 6;24;32;CD CAJAMAR;%4/%5;2026;"
                                    "VERAO;MASCULINO;01/12/2026")
                         .arg(c.master, c.description, c.codes[v - 1])
                         .arg(v)
                         .arg(c.codes.size());
    ws.write(QStringLiteral("PEDIDO 780010 CORRUGADO.txt"), lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));

    MainForm& f = ws.form;
    f.lblpath.caption = ws.folder();
    f.lbljava.caption = javaFolder();
    f.lblprinterdefault.caption = printers.current().deviceName();
    f.CMBPRINTER.text = QtPrinterSystem::kFilePrinterName;
    f.cmbtipo.text = QStringLiteral("Corrugado");
    f.txtarquivo.text = QStringLiteral("780010");
    carrega_pedido(program);
    ASSERT_TRUE(ws.messages.shown().empty()) << ws.messages.texts().join(u'\n').toStdString();
    ASSERT_TRUE(f.tem_departamento);
    ASSERT_EQ(f.cmb_referencia1.listCount(), 3);

    for (const int carton : {1, 2}) {
        const Carton& c = cartons[carton];
        SCOPED_TRACE(c.master.toStdString());
        f.cmb_referencia1.setListIndex(carton);
        carrega_corrugado(program);
        ASSERT_EQ(f.txtcodigo1.text, c.master);
        ASSERT_EQ(f.cmb_vol2.listCount(), c.codes.size());
        f.cmb_vol1.setListIndex(0);
        f.cmb_vol2.setListIndex(f.cmb_vol2.listCount() - 1);
        const qsizetype before = printers.writtenFiles().size();
        cmd_printacessorio_Click(program);

        EXPECT_TRUE(ws.messages.shown().empty()) << ws.messages.texts().join(u'\n').toStdString();
        ASSERT_EQ(printers.writtenFiles().size(), before + 1);
        const QString file = printers.writtenFiles().last();
        ASSERT_EQ(pdf::pageCount(file), c.codes.size());
        for (int page = 1; page <= c.codes.size(); ++page) {
            SCOPED_TRACE(page);
            EXPECT_EQ(decodeQr(pdf::rasterise(file, page, 300)), c.codes[page - 1]);
            const QString text = pdf::text(file, page);
            EXPECT_TRUE(text.contains(QStringLiteral("Volume: %1/%2").arg(page).arg(c.codes.size())))
                << text.toStdString();
            EXPECT_TRUE(text.contains(c.codes[page - 1]));
        }
    }
}

// One model in two colours: two cartons of one order with the same master code, in orders with
// and without the department column. Each colour chosen in "Produto" and printed through the
// print command gives pages whose QR decodes to that colour's own volume codes.
TEST_F(PackLabelPdf, CartonsSharingAMasterCodeEachPrintTheirOwnQr)
{
    struct Carton {
        QString colour;
        QStringList codes;
    };
    const Carton cartons[] = {
        {QStringLiteral("PRETO"), {"7891234500014", "7891234500021"}},
        {QStringLiteral("BRANCO"), {"7891234500106", "7891234500113"}},
    };
    MainForm& f = ws.form;
    f.lblpath.caption = ws.folder();
    f.lbljava.caption = javaFolder();
    f.lblprinterdefault.caption = printers.current().deviceName();
    f.CMBPRINTER.text = QtPrinterSystem::kFilePrinterName;
    f.cmbtipo.text = QStringLiteral("Corrugado");

    for (const bool departamento : {true, false}) {
        SCOPED_TRACE(departamento ? "department column" : "no department column");
        const QString numero = departamento ? QStringLiteral("780020") : QStringLiteral("780021");
        QStringList lines{QStringLiteral("MERVALK;PEDIDO %1;DISTRIBUIDORA").arg(numero)};
        lines << (departamento ? QStringLiteral("QTDE;LOJA;MASTER;FORNECEDOR;COR;DESCRICAO;EAN;GRADE;QTDE GRADE;TOTAL;"
                                                "SEMANA;DESTINO;VOLUME;SUFIXO;CAMPANHA;DEPARTAMENTO;INICIO PROMOCAO")
                               : QStringLiteral("QTDE;LOJA;MASTER;FORNECEDOR;COR;DESCRICAO;EAN;PRE PACK;GRADE;QTDE GRADE;"
                                                "TOTAL;SEMANA;DESTINO;VOLUME"));
        for (const Carton& c : cartons)
            for (int v = 1; v <= c.codes.size(); ++v)
                lines << (departamento ? QStringLiteral("24;01;4402318;PASSO FIRME LTDA;%1;TENIS CASUAL;%2;37 38 39;"
                                                        "2 4 6;24;32;CD CAJAMAR;%3/2;2026;VERAO;MASCULINO;01/12/2026")
                                       : QStringLiteral("24;01;4402318;PASSO FIRME LTDA;%1;TENIS CASUAL;%2;4402318P24;"
                                                        "37 38 39;2 4 6;24;32;CD EXTREMA;%3/2"))
                             .arg(c.colour, c.codes[v - 1])
                             .arg(v);
        ws.write(QStringLiteral("PEDIDO %1 CORRUGADO.txt").arg(numero), lines.join(QStringLiteral("\r\n")) + "\r\n");
        f.txtarquivo.text = numero;
        carrega_pedido(program);
        ASSERT_TRUE(ws.messages.shown().empty()) << ws.messages.texts().join(u'\n').toStdString();
        ASSERT_EQ(f.tem_departamento, departamento);
        ASSERT_EQ(f.cmb_referencia1.listCount(), 2);

        // BRANCO first: before, its pages carried PRETO's QR and code.
        for (const int carton : {1, 0}) {
            const Carton& c = cartons[carton];
            SCOPED_TRACE(c.colour.toStdString());
            f.cmb_referencia1.setListIndex(carton);
            carrega_corrugado(program);
            ASSERT_EQ(f.txtcor1.text, c.colour);
            const qsizetype before = printers.writtenFiles().size();
            cmd_printacessorio_Click(program);

            EXPECT_TRUE(ws.messages.shown().empty()) << ws.messages.texts().join(u'\n').toStdString();
            ASSERT_EQ(printers.writtenFiles().size(), before + 1);
            const QString file = printers.writtenFiles().last();
            ASSERT_EQ(pdf::pageCount(file), 2);
            for (int page = 1; page <= 2; ++page) {
                SCOPED_TRACE(page);
                EXPECT_EQ(decodeQr(pdf::rasterise(file, page, 300)), c.codes[page - 1]);
                const QString text = pdf::text(file, page);
                EXPECT_TRUE(text.contains(c.colour)) << text.toStdString();
                EXPECT_TRUE(text.contains(c.codes[page - 1])) << text.toStdString();
                EXPECT_TRUE(text.contains(QStringLiteral("Volume: %1/2").arg(page))) << text.toStdString();
            }
        }
    }
}

}  // namespace
