// Queues of the private cupsd that cannot take the job: one that rejects jobs, one that is
// stopped, and one deleted while the program runs (its list still offers it). The print command
// reports each with the printer's name and the reason, and prints nowhere else.
#include "labels/product/cmd_printacessorio.h"
#include "orders/carrega_pedido.h"
#include "platform/qtprinter.h"
#include "tests/common/testworkstation.h"
#include "tests/cups/privateserver.h"

#include <QCoreApplication>
#include <QDir>
#include <functional>
#include <gtest/gtest.h>

namespace {

Picture logo()
{
    Picture p;
    p.image = QImage(300, 60, QImage::Format_RGB32);
    p.image.fill(Qt::darkGray);
    return p;
}

using Change = std::function<QString(const QString& queue)>;

struct Case {
    const char* name;
    Change change;
    QString reason;
};

QString reject(const QString& q) { return admin(QStringLiteral("cupsreject"), {q}); }
QString stop(const QString& q) { return admin(QStringLiteral("cupsdisable"), {q}); }
QString remove(const QString& q) { return admin(QStringLiteral("lpadmin"), {QStringLiteral("-x"), q}); }

const QString kRejects = QStringLiteral("a fila de impressão não está aceitando trabalhos");
const QString kStopped = QStringLiteral("a fila de impressão está parada");
const QString kGone = QStringLiteral("a fila de impressão não existe mais neste computador");

// A queue of its own for one case, printing nowhere.
QString newQueue()
{
    static int n = 0;
    const QString queue = QStringLiteral("Etiquetas_Falha_%1_%2").arg(QCoreApplication::applicationPid()).arg(++n);
    const QString failed = admin(QStringLiteral("lpadmin"), {QStringLiteral("-p"), queue, QStringLiteral("-E"),
                                                             QStringLiteral("-v"), QStringLiteral("file:/dev/null")});
    EXPECT_EQ(failed, QString());
    return queue;
}

TEST(QueueFailureTest, ThePrintCommandReportsAQueueThatCannotTakeTheJobAndPrintsNowhereElse)
{
    ASSERT_FALSE(qEnvironmentVariable("ETIQUETAS_CUPS_QUEUE").isEmpty()) << "run beside with-cupsd.sh";
    const Case cases[] = {
        {"rejects jobs", reject, kRejects},
        {"stopped", stop, kStopped},
        {"deleted since the printer list was read", remove, kGone},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString queue = newQueue();
        TestWorkstation t;
        QtPrinterSystem system(t.files);
        Workstation ws{t.files, t.profile, system, t.messages, t.screen};
        Program program{ws, t.form, t.g};
        MainForm& f = t.form;
        t.write(QStringLiteral("PEDIDO 780001 FRENTE.txt"),
                QStringLiteral("ORVENNA;PEDIDO 780001;LOJA\r\n"
                               "QTDE;COR;TAMANHO;REF;DESCRICAO;EAN;CODIGO;SEMANA;FAIXA;PROMOCAO;SUFIXO;LOJA\r\n"
                               "2;PRETO;38;REF 1;TENIS CASUAL;789123456780;4501237038;23;A;;2;L1\r\n"
                               "1;PRETO;39;REF 1;TENIS CASUAL;789123456781;4501237039;23;A;;2;L1\r\n"));
        f.lblpath.caption = t.folder();
        f.cmbtipo.text = QStringLiteral("Frente de Caixa");
        f.txtarquivo.text = QStringLiteral("780001");
        carrega_pedido(program);
        f.pctlogo1.picture = logo();
        f.pctlogo2.picture = logo();
        t.g.tem_logo1 = t.g.tem_logo2 = true;
        f.lblprinterdefault.caption = QtPrinterSystem::kFilePrinterName;
        f.CMBPRINTER.text = queue;
        QStringList names;
        for (int i = 0; i < system.count(); ++i)
            names << system.deviceName(i);
        ASSERT_TRUE(names.contains(queue)) << "the list offers the queue";
        ASSERT_EQ(c.change(queue), QString());

        cmd_printacessorio_Click(program);

        EXPECT_EQ(t.messages.texts(),
                  QStringList{QStringLiteral("Não foi possível imprimir na impressora \"%1\": ").arg(queue) + c.reason});
        EXPECT_TRUE(system.writtenFiles().isEmpty()) << "nothing goes to another printer instead";
        EXPECT_EQ(system.current().deviceName(), QtPrinterSystem::kFilePrinterName);
        remove(queue);
    }
}

TEST(QueueFailureTest, AQueueThatGoesWhileTheDocumentIsDrawnFailsItsHandOver)
{
    ASSERT_FALSE(qEnvironmentVariable("ETIQUETAS_CUPS_QUEUE").isEmpty()) << "run beside with-cupsd.sh";
    const Case cases[] = {{"deleted", remove, kGone}, {"rejecting jobs", reject, kRejects}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString queue = newQueue();
        TestWorkstation t;
        QtPrinterSystem system(t.files);
        int index = -1;
        for (int i = 0; i < system.count(); ++i)
            if (system.deviceName(i) == queue)
                index = i;
        ASSERT_GE(index, 0);
        system.makeCurrent(index);
        Printer& p = system.current();
        p.setScaleMode(ScaleMode::Millimetres);
        p.setWidth(Twips{9000});
        p.setHeight(Twips{2660});
        p.setPaperSize(Printer::kUserPaper);
        p.setCurrentX(10);
        p.setCurrentY(10);
        p.print(QStringLiteral("ETIQUETA"));
        EXPECT_FALSE(p.failed());
        ASSERT_EQ(c.change(queue), QString());

        EXPECT_FALSE(p.endDoc());
        EXPECT_EQ(p.failure(), c.reason) << p.failure().toStdString();
        remove(queue);
    }
}

}  // namespace
