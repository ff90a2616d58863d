// A second copy of the program working in a program folder that a test also uses, through the
// program's own settings writer and file printer. It reports each step on a line of its own.
//   secondcopy salva FOLDER PREFIX COUNT  saves keys PREFIX0, PREFIX1, ... of section "Teste" one
//                                         at a time; "gravou KEY" or "falhou KEY: reason" each
//   secondcopy imprime FOLDER             starts a document on the file printer, says
//                                         "imprimindo", waits for a line on its input, ends the
//                                         document: "impresso FILE" or "falhou: reason"
#include "platform/filesystem.h"
#include "platform/profilefile.h"
#include "platform/qtprinter.h"
#include "platform/runtimefolder.h"

#include <QGuiApplication>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/prctl.h>

namespace {

void say(const QString& line)
{
    std::printf("%s\n", line.toUtf8().constData());
    std::fflush(stdout);
}

int save(const QString& folder, const QString& prefix, int count)
{
    FileSystem files(folder);
    ProfileFile profile(files);
    const QString ini = FileSystem::join(folder, QStringLiteral("Pendrova.ini"));
    for (int i = 0; i < count; ++i) {
        const QString key = prefix + QString::number(i);
        const WriteResult r = profile.write(ini, QStringLiteral("Teste"), key, QStringLiteral("valor ") + key);
        say(r ? QStringLiteral("gravou ") + key : QStringLiteral("falhou ") + key + QStringLiteral(": ") + r.reason);
    }
    return 0;
}

int print(const QString& folder)
{
    FileSystem files(folder);
    QtPrinterSystem system(files);
    system.makeCurrent(system.count() - 1);
    Printer& p = system.current();
    p.setScaleMode(ScaleMode::Millimetres);
    p.setWidth(Twips{6000});
    p.setHeight(Twips{4000});
    p.setPaperSize(Printer::kUserPaper);
    p.setCurrentX(5);
    p.setCurrentY(5);
    p.print(QStringLiteral("ETIQUETA"));
    if (p.failed()) {
        say(QStringLiteral("falhou: ") + p.failure());
        return 1;
    }
    say(QStringLiteral("imprimindo"));
    char line[16];
    if (!std::fgets(line, sizeof line, stdin))
        return 1;
    if (!p.endDoc()) {
        say(QStringLiteral("falhou: ") + p.failure());
        return 1;
    }
    say(QStringLiteral("impresso ") + system.writtenFiles().value(0));
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    // Ends with the test that started it, whatever way the test ends.
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (argc == 5 && std::strcmp(argv[1], "salva") == 0)
        return save(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]), std::atoi(argv[4]));
    if (argc == 3 && std::strcmp(argv[1], "imprime") == 0) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        provideRuntimeFolder();
        QGuiApplication app(argc, argv);
        installFontSubstitutes();
        return print(QString::fromLocal8Bit(argv[2]));
    }
    std::fprintf(stderr, "usage: secondcopy salva FOLDER PREFIX COUNT | imprime FOLDER\n");
    return 2;
}
