// Prints every demo order in every label type it can take, and the three margin test prints,
// through the PDF file printer: "printdemos <folder>" leaves one numbered PDF per document and
// the operator's messages in <folder>.
#include "labels/product/cmd_printacessorio.h"
#include "orders/handlers.h"
#include "platform/processes.h"
#include "platform/qtprinter.h"
#include "platform/runtimefolder.h"
#include "settings/settings.h"
#include "setup/frmmargenscxzpl45.h"
#include "setup/frmmargensocultazpl2.h"
#include "setup/frmmargenspackzpl.h"
#include "tests/demo/demofolder.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>
#include <functional>

namespace {

struct Printing {
    TestWorkstation tw;
    QtPrinterSystem printers{tw.files};
    QtProcesses processes;
    Workstation ws{tw.files, tw.profile, printers, tw.messages, tw.screen};
    Program p{ws, tw.form, tw.g};
    MainForm& f = tw.form;
    QString out;
    int documents = 0;
    QStringList told;

    explicit Printing(const QString& folder) : out(folder)
    {
        const QString error = layOutDemo(tw.folder());
        if (!error.isEmpty())
            std::fprintf(stderr, "%s\n", qPrintable(error));
        QFile::copy(builtQrlumoJar(), tw.path(QStringLiteral("qrlumo.jar")));
        QDir().mkpath(tw.path(QStringLiteral("tmp")));
        ws.processes = &processes;
        f.lblpath.caption = readSetting(ws, "Impressora", "Path");
        f.lbljava.caption = readSetting(ws, "Impressora", "Java");
        f.pctlogo1.picture = Picture::load(tw.path(QStringLiteral("mervalk.jpg")));
        f.pctlogo2.picture = Picture::load(tw.path(QStringLiteral("orvenna.jpg")));
        tw.g.tem_logo1 = !f.pctlogo1.picture.isNull();
        tw.g.tem_logo2 = !f.pctlogo2.picture.isNull();
        tw.g.fonte_etiqueta = QStringLiteral("Estrangelo Edessa");
        f.lblprinterdefault.caption = printers.current().deviceName();
        f.CMBPRINTER.text = QtPrinterSystem::kFilePrinterName;
    }

    void keep(const QString& what)
    {
        for (const QString& file : printers.writtenFiles().mid(documents))
            QFile::copy(file, out + QStringLiteral("/%1.pdf").arg(++documents, 3, 10, QChar(u'0')));
        documents = static_cast<int>(printers.writtenFiles().size());
        told << what + QStringLiteral(" -> ") + QString::number(documents) + QStringLiteral(": ") +
                    tw.messages.texts().join(QStringLiteral(" | "));
        tw.messages.clear();
    }

    // Loads the order as the given type and runs action on each of its items. The 100 x 40
    // labels print the items of a box-front order.
    void eachItem(const char* tipo, const char* numero, const std::function<void(const QString&)>& action)
    {
        const bool oneAcross = QString::fromUtf8(tipo) == QStringLiteral("Frente de Caixa100x40");
        f.cmbtipo.text = oneAcross ? QStringLiteral("Frente de Caixa") : QString::fromUtf8(tipo);
        f.txtarquivo.text = QString::fromLatin1(numero);
        cmbtipo_LostFocus(p);
        const bool carton = f.cmbtipo.text == QStringLiteral("Corrugado");
        ComboBox& list = carton ? f.cmb_referencia1 : f.cmb_referencia;
        for (int i = 0; i < list.listCount(); ++i) {
            list.setListIndex(i);
            carton ? cmb_referencia1_LostFocus(p) : cmb_referencia_LostFocus(p);
            if (!carton && vb_blank(f.TXTOCULTAS.text))
                f.TXTOCULTAS.text = QStringLiteral("1");
            // The type as the operator then picks it, after the item is on show.
            f.cmbtipo.text = QString::fromUtf8(tipo);
            action(QStringLiteral("%1 %2 item %3").arg(QString::fromUtf8(tipo), QString::fromLatin1(numero)).arg(i));
        }
    }
    static bool vb_blank(const QString& s) { return s.trimmed().isEmpty(); }

    void print(const char* tipo, const char* numero)
    {
        eachItem(tipo, numero, [&](const QString& what) {
            cmd_printacessorio_Click(p);
            keep(what);
        });
    }

    template <class Dialog>
    void testPrint(const char* tipo, const char* numero, const char* name)
    {
        eachItem(tipo, numero, [&](const QString& what) {
            Dialog dialog(p);
            dialog.Form_Load();
            dialog.cmd_teste_Click();
            keep(what + QStringLiteral(" test print ") + QString::fromLatin1(name));
        });
    }
};

}  // namespace

int main(int argc, char** argv)
{
    provideRuntimeFolder();
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: printdemos <folder>\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    Printing run(out);
    for (const char* numero : {"1400050831", "1400050832"})
        for (const char* tipo : {"Frente de Caixa", "Oculta", "Frente de Caixa100x40"})
            run.print(tipo, numero);
    for (const char* numero : {"1400050831", "1400060001"})
        run.print("Acessório", numero);
    for (const char* numero : {"1400070001", "1400070002"})
        run.print("Corrugado", numero);
    run.testPrint<FrmMargensCxZPL45>("Frente de Caixa", "1400050831", "FrmMargensCxZPL45");
    run.testPrint<FrmMargensOcultaZPL2>("Oculta", "1400050832", "FrmMargensOcultaZPL2");
    run.testPrint<FrmMargensOcultaZPL2>("Acessório", "1400060001", "FrmMargensOcultaZPL2");
    run.testPrint<FrmMargensPackZPL>("Corrugado", "1400070001", "FrmMargensPackZPL");
    QFile log(out + QStringLiteral("/runs.txt"));
    if (log.open(QIODevice::WriteOnly | QIODevice::Text))
        QTextStream(&log) << run.told.join(u'\n') << '\n';
    std::printf("%d documents\n", run.documents);
    return 0;
}
