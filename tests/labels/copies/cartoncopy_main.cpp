// A copy of the program printing one carton order again and again, as an operator at a second
// window on the same program folder would: the order loader, then the print command to the PDF
// printer, each print on its own. It reports each print on a line of its own.
//   cartoncopy FOLDER JAVA ORDER COUNT [ITEM]   "impresso N FILE" for a print that wrote its PDF
//                                               and showed no message, "falhou N: messages"
//                                               otherwise; "fim" at the end. ITEM: the position of
//                                               the carton in "Produto", the first by default
#include "labels/product/cmd_printacessorio.h"
#include "orders/carrega_corrugado.h"
#include "orders/carrega_pedido.h"
#include "platform/processes.h"
#include "platform/qtprinter.h"
#include "platform/runtimefolder.h"

#include <QGuiApplication>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <sys/prctl.h>

namespace {

void say(const QString& line)
{
    std::printf("%s\n", line.toUtf8().constData());
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv)
{
    // Ends with the test that started it, whatever way the test ends.
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (argc != 5 && argc != 6) {
        std::fprintf(stderr, "usage: cartoncopy FOLDER JAVA ORDER COUNT [ITEM]\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    provideRuntimeFolder();
    QGuiApplication app(argc, argv);
    installFontSubstitutes();

    const QString folder = QString::fromLocal8Bit(argv[1]);
    FileSystem files(folder);
    ProfileFile profile(files);
    QtPrinterSystem printers(files);
    ScriptedMessages messages;
    Screen screen;
    QtProcesses processes;
    Workstation ws{files, profile, printers, messages, screen};
    ws.processes = &processes;
    MainForm form;
    Globals g;
    Program p{ws, form, g};

    form.lblpath.caption = folder;
    form.lbljava.caption = QString::fromLocal8Bit(argv[2]);
    form.lblprinterdefault.caption = QtPrinterSystem::kFilePrinterName;
    form.CMBPRINTER.text = QtPrinterSystem::kFilePrinterName;
    form.cmbtipo.text = QStringLiteral("Corrugado");
    form.txtarquivo.text = QString::fromLocal8Bit(argv[3]);
    carrega_pedido(p);
    if (argc == 6) {
        form.cmb_referencia1.setListIndex(std::atoi(argv[5]));
        carrega_corrugado(p);
    }
    if (!messages.texts().isEmpty() || form.cmb_vol1.listCount() == 0) {
        say(QStringLiteral("falhou 0: ") + messages.texts().join(QStringLiteral(" | ")));
        return 1;
    }

    const int count = std::atoi(argv[4]);
    for (int i = 1; i <= count; ++i) {
        messages.clear();
        const qsizetype before = printers.writtenFiles().size();
        cmd_printacessorio_Click(p);
        const bool printed = printers.writtenFiles().size() == before + 1;
        if (printed && messages.texts().isEmpty())
            say(QStringLiteral("impresso %1 ").arg(i) + printers.writtenFiles().last());
        else
            say(QStringLiteral("falhou %1: ").arg(i) + messages.texts().join(QStringLiteral(" | ")));
    }
    say(QStringLiteral("fim"));
    return 0;
}
