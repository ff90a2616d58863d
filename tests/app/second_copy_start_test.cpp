// A start of the program in a folder that another running copy shares: it removes what killed
// saves and prints left, and leaves alone what the running copy is writing.
#include "app/startup.h"
#include "app/windowcommands.h"
#include "orders/carrega_pedido.h"
#include "tests/common/lockingprogram.h"
#include "tests/common/pdftools.h"
#include "tests/common/secondcopy.h"
#include "tests/common/testworkstation.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QByteArray kSaved = "[Config]\r\nReferencia=Loja 4\r\narquivo=1400050831\r\nLote=2\r\n"
                          "[Impressora]\r\nNomeCompartilhamento=Zebra\r\nJava=/usr/bin\r\nTipoOculta=3\r\n";

QStringList hidden(const QString& folder, const QString& pattern)
{
    return QDir(folder).entryList({pattern}, QDir::Files | QDir::Hidden, QDir::Name);
}

}  // namespace

// The other copy's "&Sair" is half-way through writing its new settings file when this copy
// starts. The start removes the leftovers of saves killed earlier and not that one, which then
// ends whole: no message, and its values are in the file.
TEST(SecondCopyStartTest, AStartDuringAnotherCopysSaveLeavesThatSaveWhole)
{
    TestWorkstation t;
    t.writeBytes(QStringLiteral("Pendrova.ini"), kSaved);
    t.writeBytes(QStringLiteral("Pendrova.ini.gravando-x1y2z3"), "[Config]\r\nRefer");
    t.writeBytes(QStringLiteral("tmp/qr.xml.gravando-a1b2c3"), "<qr");

    int halfWay[2], goOn[2];
    ASSERT_EQ(::pipe(halfWay), 0);
    ASSERT_EQ(::pipe(goOn), 0);
    const pid_t other = ::fork();
    ASSERT_GE(other, 0);
    if (other == 0) {
        ::close(halfWay[0]);
        ::close(goOn[1]);
        t.files.setWriteFault(FileSystem::WriteFault{40, 0, [&](qint64) {
                                                        char c = 'h';
                                                        (void)!::write(halfWay[1], &c, 1);
                                                        (void)!::read(goOn[0], &c, 1);
                                                    }});
        t.form.txtarquivo.text = QStringLiteral("1400099999");
        t.form.txtcliente.text = QStringLiteral("Loja 9");
        cmd_sair_Click(t.program, MainWindowEvents{});
        for (const QString& m : t.messages.texts())
            std::fprintf(stderr, "%s\n", m.toUtf8().constData());
        ::_exit(t.messages.texts().isEmpty() ? 0 : 1);
    }
    ::close(halfWay[1]);
    ::close(goOn[0]);
    char c = 0;
    ASSERT_EQ(::read(halfWay[0], &c, 1), 1) << "the other copy's save did not get half-way";
    const QStringList running = hidden(t.folder(), QStringLiteral("*.gravando-*"))
                                    .filter(QRegularExpression(QStringLiteral("^Pendrova\\.ini\\.gravando-(?!x1y2z3)")));
    ASSERT_EQ(running.size(), 1);

    Form_Load(t.program);
    EXPECT_EQ(hidden(t.folder(), QStringLiteral("*.gravando-*")), running);
    EXPECT_EQ(hidden(t.path(QStringLiteral("tmp")), QStringLiteral("*.gravando-*")), QStringList());
    EXPECT_EQ(t.form.txtarquivo.text, QStringLiteral("1400050831"));  // the old file, whole

    ASSERT_EQ(::write(goOn[1], &c, 1), 1);
    ::close(goOn[1]);
    ::close(halfWay[0]);
    int status = 0;
    ASSERT_EQ(::waitpid(other, &status, 0), other);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the other copy's save failed";
    const QByteArray file = t.readBytes(QStringLiteral("Pendrova.ini"));
    EXPECT_TRUE(file.contains("arquivo=1400099999\r\n")) << file.toStdString();
    EXPECT_TRUE(file.contains("Referencia=Loja 9\r\n")) << file.toStdString();
    EXPECT_EQ(hidden(t.folder(), QStringLiteral("*.gravando-*")), QStringList());
}

// One copy printing to the PDF file printer is killed half-way; another is still printing when
// the program starts. The start removes the killed print's unfinished file and keeps the running
// one's, which then comes out whole.
TEST(SecondCopyStartTest, AStartRemovesAKilledPrintsUnfinishedFileAndKeepsARunningOnes)
{
    TestWorkstation t;
    const QString printed = t.path(QStringLiteral("impressos"));
    const QString unfinished = QStringLiteral(".etiquetas-*.pdf.part");

    SecondCopy killed({QStringLiteral("imprime"), t.folder()});
    ASSERT_EQ(killed.nextLine(), QStringLiteral("imprimindo"));
    const QStringList killedFile = hidden(printed, unfinished);
    ASSERT_EQ(killedFile.size(), 1);
    killed.kill();

    SecondCopy running({QStringLiteral("imprime"), t.folder()});
    ASSERT_EQ(running.nextLine(), QStringLiteral("imprimindo"));
    QStringList runningFile = hidden(printed, unfinished);
    runningFile.removeAll(killedFile.at(0));
    ASSERT_EQ(runningFile.size(), 1);

    Form_Load(t.program);
    EXPECT_EQ(hidden(printed, unfinished), runningFile);

    running.tell("fim");
    const QString done = running.nextLine();
    ASSERT_TRUE(done.startsWith(QStringLiteral("impresso "))) << done.toStdString();
    EXPECT_EQ(running.exitCode(), 0);
    EXPECT_EQ(pdf::pageCount(done.mid(9)), 1);
    EXPECT_EQ(hidden(printed, QStringLiteral("*")), QStringList{QFileInfo(done.mid(9)).fileName()});
}

// "&Sair" while the other copy keeps the folder past the wait: the operator is told, the file
// stays as it was, and the program still ends.
TEST(SecondCopyStartTest, SairThatNeverGetsItsTurnTellsTheOperator)
{
    TestWorkstation t;
    t.files.setSaveLockWait(std::chrono::milliseconds(200));
    t.writeBytes(QStringLiteral("Pendrova.ini"), kSaved);
    const int other = ::open(QFile::encodeName(t.folder()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_GE(other, 0);
    ASSERT_EQ(::flock(other, LOCK_EX), 0);
    t.form.txtarquivo.text = QStringLiteral("1400099999");
    bool ended = false;
    MainWindowEvents events;
    events.endProgram = [&] { ended = true; };
    cmd_sair_Click(t.program, events);
    ::close(other);
    EXPECT_TRUE(ended);
    EXPECT_EQ(t.readBytes(QStringLiteral("Pendrova.ini")), kSaved);
    EXPECT_EQ(t.messages.texts(),
              QStringList{QStringLiteral("Não foi possível gravar o arquivo ") + t.path(QStringLiteral("Pendrova.ini")) +
                          QStringLiteral(": outro programa está gravando este arquivo; tente de novo em instantes.")});
}

// An order loaded again under the number the file holds, then "&Sair" with nothing edited, while
// another program keeps the folder: neither has anything to save, so neither waits nor tells;
// the order is listed and the program ends. An edit made afterwards still takes its turn, and is
// told when the turn does not come.
TEST(SecondCopyStartTest, ALoadAndSairThatChangeNothingNeitherWaitNorTell)
{
    TestWorkstation t;
    t.files.setSaveLockWait(std::chrono::milliseconds(0));
    const QByteArray standing = "[Config]\r\nReferencia=Loja 4\r\narquivo=1400050831\r\nLote=2\r\nIntensidade=\r\n"
                                "Velocidade=\r\nTipo=Frente de Caixa\r\n";
    t.writeBytes(QStringLiteral("Pendrova.ini"), standing);
    t.write(QStringLiteral("PED 1400050831 FRENTE.txt"),
            QStringLiteral("MERVALK\r\nH\r\n2;PRETO;36;X;SAPATO;789123456789;F831;23;F1;;2;Z\r\n"));
    MainForm& f = t.form;
    f.lblpath.caption = t.folder();
    f.txtcliente.text = QStringLiteral("Loja 4");
    f.txtlote.text = QStringLiteral("2");
    f.cmbintensidade.text = QString();
    f.cmbvelocidade.text = QString();
    f.cmbtipo.text = QStringLiteral("Frente de Caixa");
    f.txtarquivo.text = QStringLiteral("1400050831");
    LockingProgram other(t.folder());
    ASSERT_TRUE(other.held());

    carrega_pedido(t.program);
    EXPECT_EQ(f.cmb_referencia.listCount(), 1);
    int ended = 0;
    MainWindowEvents events;
    events.endProgram = [&] { ++ended; };
    cmd_sair_Click(t.program, events);
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(t.messages.texts(), QStringList());
    EXPECT_EQ(t.readBytes(QStringLiteral("Pendrova.ini")), standing);

    f.txtlote.text = QStringLiteral("3");
    cmd_sair_Click(t.program, events);
    EXPECT_EQ(ended, 2);
    EXPECT_EQ(t.messages.texts(),
              QStringList{QStringLiteral("Não foi possível gravar o arquivo ") + t.path(QStringLiteral("Pendrova.ini")) +
                          QStringLiteral(": outro programa está gravando este arquivo; tente de novo em instantes.")});
    EXPECT_EQ(t.readBytes(QStringLiteral("Pendrova.ini")), standing);
}
