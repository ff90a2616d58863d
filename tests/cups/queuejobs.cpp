#include "tests/cups/queuejobs.h"

#include "orders/carrega_pedido.h"
#include "tests/cups/privateserver.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

QString newQueue(const QString& prefix)
{
    static int n = 0;
    const QString queue = QStringLiteral("%1_%2_%3").arg(prefix).arg(QCoreApplication::applicationPid()).arg(++n);
    EXPECT_EQ(admin(QStringLiteral("lpadmin"), {QStringLiteral("-p"), queue, QStringLiteral("-E"),
                                                QStringLiteral("-v"), QStringLiteral("file:/dev/null")}),
              QString());
    return queue;
}

int indexOf(const PrinterSystem& system, const QString& name)
{
    for (int i = 0; i < system.count(); ++i)
        if (system.deviceName(i) == name)
            return i;
    return -1;
}

void drawLabel(Printer& p)
{
    p.setScaleMode(ScaleMode::Millimetres);
    p.setWidth(Twips{9000});
    p.setHeight(Twips{2660});
    p.setPaperSize(Printer::kUserPaper);
    p.setCurrentX(10);
    p.setCurrentY(10);
    p.print(QStringLiteral("ETIQUETA"));
}

void loadOrderForQueue(TestWorkstation& t, Program& program, const QString& queue, const QString& defaultPrinter)
{
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
    Picture logo;
    logo.image = QImage(300, 60, QImage::Format_RGB32);
    logo.image.fill(Qt::darkGray);
    f.pctlogo1.picture = logo;
    f.pctlogo2.picture = logo;
    t.g.tem_logo1 = t.g.tem_logo2 = true;
    t.g.fonte_etiqueta = QStringLiteral("Estrangelo Edessa");
    f.lblprinterdefault.caption = defaultPrinter;
    f.CMBPRINTER.text = queue;
}
