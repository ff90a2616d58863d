#include "labels/pack/novo_etipack.h"
#include "platform/processes.h"
#include "platform/qtprinter.h"
#include "tests/common/pdftools.h"
#include "tests/common/testworkstation.h"
#include "tests/labels/pack_support.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

TEST(PackLabelPdf, EveryVolumesQrDecodesToItsPackCode)
{
    ASSERT_TRUE(QFile::exists(builtQrlumoJar())) << "build the qrlumo target first";
    ASSERT_FALSE(javaFolder().isEmpty()) << "no java on this machine";
    installFontSubstitutes();

    TestWorkstation ws;
    QDir().mkpath(ws.path(QStringLiteral("tmp")));
    ASSERT_TRUE(QFile::copy(builtQrlumoJar(), ws.path(QStringLiteral("qrlumo.jar"))));
    QtProcesses processes;
    QtPrinterSystem printers(ws.files);
    Workstation station{ws.files, ws.profile, printers, ws.messages, ws.screen};
    station.processes = &processes;
    Program program{station, ws.form, ws.g};

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

}  // namespace
