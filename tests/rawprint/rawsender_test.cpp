#include "platform/rawsender.h"
#include "tests/rawprint/rawfixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

TEST(BatchPlanTest, ReadsOnlyTheLineShapesTheProgramWrites)
{
    struct {
        QStringList lines;
        bool accepted;
        const char* port;
        const char* queue;
    } rows[] = {
        // 0: the copy line alone goes to the port
        {{"type epltemp.prn > LPT1"}, true, "LPT1", ""},
        // 1: mapped to a share: the queue of that name
        {{"net use LPT1: /delete", "net use LPT1: \\\\127.0.0.1\\Zebra /yes", "type epltemp.prn > LPT1", ""},
         true, "LPT1", "Zebra"},
        // 2: the extra line feed leaves an empty line; letter case of the port does not matter
        {{"net use lpt1: /delete", "net use lpt1: \\\\127.0.0.1\\Zebra /yes", "type epltemp.prn > LPT1", "", ""},
         true, "LPT1", "Zebra"},
        // 3: a mapping without a share fails, the port stays the machine's own
        {{"net use LPT1: /delete", "net use LPT1: \\\\127.0.0.1\\ /yes", "type epltemp.prn > LPT1"}, true, "LPT1", ""},
        // 4: a mapping of another port does not apply
        {{"net use LPT2: \\\\127.0.0.1\\Zebra /yes", "type epltemp.prn > LPT1"}, true, "LPT1", ""},
        // 5: a deleted mapping no longer applies
        {{"net use LPT1: \\\\127.0.0.1\\Zebra /yes", "net use LPT1: /delete", "type epltemp.prn > LPT1"}, true, "LPT1", ""},
        // 6: shell syntax anywhere refuses the whole file
        {{"net use LPT1: \\\\127.0.0.1\\Zebra&calc /yes", "type epltemp.prn > LPT1"}, false, "", ""},
        {{"net use LPT1: \\\\127.0.0.1\\Zebra /yes & calc", "type epltemp.prn > LPT1"}, false, "", ""},
        {{"type epltemp.prn > LPT1 & del *.*"}, false, "", ""},
        {{"type epltemp.prn > %TEMP%"}, false, "", ""},
        {{"type ..\\segredo.txt > LPT1"}, false, "", ""},
        {{"type epltemp.prn > LPT1", "calc.exe"}, false, "", ""},
        // 12: no copy line, two copy lines
        {{"net use LPT1: /delete"}, false, "", ""},
        {{"type epltemp.prn > LPT1", "type epltemp.prn > LPT2"}, false, "", ""},
        // 14: what the program writes for a port caption with blanks around it, or an empty one
        {{"net use LPT1 : /delete", "net use LPT1 : \\\\127.0.0.1\\Zebra /yes", "type epltemp.prn > LPT1 "},
         true, "LPT1", "Zebra"},
        {{"net use  Lpt3  : /delete", "net use  Lpt3  : \\\\127.0.0.1\\Zebra /yes", "type epltemp.prn >  Lpt3  ", ""},
         true, "Lpt3", "Zebra"},
        {{"net use : /delete", "net use : \\\\127.0.0.1\\Zebra /yes", "type epltemp.prn > "}, true, "", ""},
        // 17: a blank inside a name is no name
        {{"type epltemp.prn > LP T1"}, false, "", ""},
        {{"net use LP T1: /delete", "type epltemp.prn > LPT1"}, false, "", ""},
    };
    for (size_t i = 0; i < std::size(rows); ++i) {
        const auto plan = readBatchPlan(rows[i].lines);
        ASSERT_EQ(plan.has_value(), rows[i].accepted) << i;
        if (!plan)
            continue;
        EXPECT_EQ(plan->spoolFile, u"epltemp.prn") << i;
        EXPECT_EQ(plan->port, QString::fromLatin1(rows[i].port)) << i;
        EXPECT_EQ(plan->queue, QString::fromLatin1(rows[i].queue)) << i;
    }
}

namespace {

const QByteArray kJob = QByteArray("\x02n\r\n\x01") + "D\r\n^FDa\xE7\xFF^FS\r\n";

}  // namespace

// The sender of this machine against real devices, pipes, links and a stand-in lp: each row
// says what it was handed, what it answered and logged, and what reached the printer.
TEST(BatchFileSenderTest, SendsOnlyToRealDevicesAndQueuesAndSaysWhatHappened)
{
    Pty port, deaf;
    if (!port.ok() || !deaf.ok())
        GTEST_SKIP() << "no pseudo-terminals on this machine";

    struct Row {
        const char* name;
        const char* batch;
        std::function<void(TestWorkstation&)> setUp;
        QByteArray lp;  // the stand-in lp's body; empty: none on PATH
        RawSender::Outcome outcome;
        QString detail;  // "%1" is the program folder, "%2" the port's device, "%3" the deaf one's
        QByteArray toPort;
    };
    auto spool = [](const QByteArray& bytes) {
        return [bytes](TestWorkstation& t) { t.writeBytes(QStringLiteral("epltemp.prn"), bytes); };
    };
    const Row rows[] = {
        {"a port receives exactly the spool bytes", "type epltemp.prn > lpt1\n\r\n", spool(kJob), {},
         RawSender::Outcome::Sent, QStringLiteral("enviado para a porta lpt1 (%2)"), kJob},
        {"a missing device is not made", "type epltemp.prn > LPT2\r\n", spool(kJob), {}, RawSender::Outcome::Failed,
         QStringLiteral("a porta LPT2 (%1/dev/lp1) não existe"), {}},
        {"a pipe is no printer and does not hold the program", "type epltemp.prn > LPT3\r\n",
         [&](TestWorkstation& t) {
             spool(kJob)(t);
             ASSERT_EQ(::mkfifo(QFile::encodeName(t.path(QStringLiteral("dev/fila"))).constData(), 0600), 0);
         },
         {}, RawSender::Outcome::Failed, QStringLiteral("a porta LPT3 (%1/dev/fila) não é um dispositivo de impressora"), {}},
        {"a plain file is no printer", "type epltemp.prn > LPT4\r\n",
         [&](TestWorkstation& t) {
             spool(kJob)(t);
             t.writeBytes(QStringLiteral("dev/arquivo"), "antes");
         },
         {}, RawSender::Outcome::Failed, QStringLiteral("a porta LPT4 (%1/dev/arquivo) não é um dispositivo de impressora"), {}},
        {"a device that stops reading is given up", "type epltemp.prn > LPT5\r\n", spool(QByteArray(1 << 20, 'z')), {},
         RawSender::Outcome::Failed, QStringLiteral("a porta LPT5 (%3) não recebeu o trabalho em 0,3 segundos"), {}},
        {"a port the machine has not", "type epltemp.prn > LPT9\r\n", spool(kJob), {}, RawSender::Outcome::Failed,
         QStringLiteral("a porta LPT9 não existe neste computador"), {}},
        {"a linked spool file is not sent", "type epltemp.prn > LPT1\r\n",
         [&](TestWorkstation& t) {
             t.writeBytes(QStringLiteral("dev/segredo.txt"), "senha");
             QFile::link(t.path(QStringLiteral("dev/segredo.txt")), t.path(QStringLiteral("epltemp.prn")));
         },
         {}, RawSender::Outcome::Failed, QStringLiteral("o arquivo epltemp.prn não é um arquivo comum da pasta do programa"),
         {}},
        {"no spool file", "type epltemp.prn > LPT1\r\n", [](TestWorkstation&) {}, {}, RawSender::Outcome::Failed,
         QStringLiteral("o arquivo epltemp.prn não foi encontrado"), {}},
        {"a queue that takes the job", "net use LPT1: \\\\127.0.0.1\\Zebra /yes\r\ntype epltemp.prn > LPT1\r\n",
         spool(kJob), FakeLp::kRecords, RawSender::Outcome::Sent,
         QStringLiteral("enviado para a fila Zebra (request id is Zebra-7 (0 file(s)))"), {}},
        {"a queue lp refuses", "net use LPT1 : \\\\127.0.0.1\\Sumiu /yes\r\ntype epltemp.prn > LPT1 \r\n", spool(kJob),
         FakeLp::kRejects, RawSender::Outcome::Failed,
         QStringLiteral("a fila Sumiu não aceitou o trabalho: lp: The printer or class does not exist."), {}},
        {"an lp that hangs", "net use LPT1: \\\\127.0.0.1\\Zebra /yes\r\ntype epltemp.prn > LPT1\r\n", spool(kJob),
         FakeLp::kHangs, RawSender::Outcome::Failed, QStringLiteral("o programa lp não terminou em 0,5 segundos"), {}},
        {"lines the program does not write", "type epltemp.prn > LPT1\r\ndel *.*\r\n", spool(kJob), {},
         RawSender::Outcome::Refused, QStringLiteral("o arquivo IMPRIMIR.BAT tem linhas que o programa não escreve"), {}},
        {"no port in the copy line", "type epltemp.prn > \r\n", spool(kJob), {}, RawSender::Outcome::Failed,
         QStringLiteral("o arquivo IMPRIMIR.BAT não indica a porta da impressora"), {}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        TestWorkstation t;
        QDir(t.folder()).mkdir(QStringLiteral("dev"));
        const QHash<QString, QString> ports{{QStringLiteral("Lpt1"), port.device()},
                                            {QStringLiteral("LPT2"), t.path(QStringLiteral("dev/lp1"))},
                                            {QStringLiteral("LPT3"), t.path(QStringLiteral("dev/fila"))},
                                            {QStringLiteral("LPT4"), t.path(QStringLiteral("dev/arquivo"))},
                                            {QStringLiteral("LPT5"), deaf.device()}};
        BatchFileSender sender(ports, std::chrono::milliseconds(300), std::chrono::milliseconds(500));
        r.setUp(t);
        t.writeBytes(QStringLiteral("IMPRIMIR.BAT"), r.batch);
        std::optional<FakeLp> lp;
        if (!r.lp.isEmpty())
            lp.emplace(r.lp);

        ::testing::internal::CaptureStderr();
        const RawSender::Result got = sender.send(t.path(QStringLiteral("IMPRIMIR.BAT")), t.folder());
        const QString logged = QString::fromStdString(::testing::internal::GetCapturedStderr());

        const QString detail = QString(r.detail)
                                   .replace(QStringLiteral("%1"), t.folder())
                                   .replace(QStringLiteral("%2"), port.device())
                                   .replace(QStringLiteral("%3"), deaf.device());
        EXPECT_EQ(got.outcome, r.outcome);
        EXPECT_EQ(got.detail, detail);
        EXPECT_TRUE(logged.contains(QStringLiteral("IMPRIMIR.BAT: ") + (got.sent() ? QString() : QStringLiteral("falhou: ")) + detail))
            << logged.toStdString();
        EXPECT_EQ(port.received(), r.toPort);
        if (lp && r.lp == FakeLp::kRecords) {
            EXPECT_EQ(lp->file("args"), QByteArray("-d\nZebra\n-o\nraw\n-t\nepltemp.prn\n"));
            EXPECT_EQ(lp->file("stdin"), kJob);
        }
        // Nothing was made where a device was missing, and a plain file is left alone.
        EXPECT_FALSE(t.exists(QStringLiteral("dev/lp1")));
        if (t.exists(QStringLiteral("dev/arquivo"))) {
            EXPECT_EQ(t.readBytes(QStringLiteral("dev/arquivo")), QByteArray("antes"));
        }
    }
    deaf.received();
}

TEST(BatchFileSenderTest, TheSpoolFileIsTheProgramFoldersWhateverTheCurrentFolder)
{
    Pty port;
    if (!port.ok())
        GTEST_SKIP() << "no pseudo-terminals on this machine";
    TestWorkstation t;
    BatchFileSender sender({{QStringLiteral("LPT1"), port.device()}});
    QTemporaryDir elsewhere;
    QFile stray(elsewhere.path() + QStringLiteral("/epltemp.prn"));
    ASSERT_TRUE(stray.open(QIODevice::WriteOnly));
    stray.write("outro trabalho\r\n");
    stray.close();
    const QString before = QDir::currentPath();
    QDir::setCurrent(elsewhere.path());
    t.writeBytes(QStringLiteral("EPLTEMP.PRN"), "^XA\r\n^XZ\r\n");
    t.writeBytes(QStringLiteral("imprimir.bat"), "type epltemp.prn > LPT1\r\n");
    const auto outcome = sender.send(t.path(QStringLiteral("IMPRIMIR.BAT")), t.folder());
    QDir::setCurrent(before);
    EXPECT_EQ(outcome.outcome, RawSender::Outcome::Sent);
    EXPECT_EQ(port.received(), QByteArray("^XA\r\n^XZ\r\n"));
}

TEST(BatchFileSenderTest, ShellSyntaxIsRefusedAndNothingRuns)
{
    const char* batches[] = {
        "net use LPT1: /delete\r\nnet use LPT1: \\\\127.0.0.1\\Zebra&calc /yes\r\ntype epltemp.prn > LPT1\r\n",
        "net use LPT1: /delete\r\nnet use LPT1: \\\\127.0.0.1\\Zebra /yes | calc\r\ntype epltemp.prn > LPT1\r\n",
        "type epltemp.prn > LPT1\r\ndel /q *.*\r\n",
    };
    for (const char* batch : batches) {
        TestWorkstation t;
        FakeLp lp(FakeLp::kRecords);
        BatchFileSender sender({{QStringLiteral("LPT1"), t.path(QStringLiteral("lpt1.bin"))}});
        t.writeBytes(QStringLiteral("epltemp.prn"), "^XA\r\n^XZ\r\n");
        t.writeBytes(QStringLiteral("IMPRIMIR.BAT"), batch);
        EXPECT_EQ(sender.send(t.path(QStringLiteral("IMPRIMIR.BAT")), t.folder()).outcome, RawSender::Outcome::Refused)
            << batch;
        EXPECT_EQ(lp.file("args"), QByteArray("(nada)")) << batch;
        EXPECT_FALSE(t.exists(QStringLiteral("lpt1.bin"))) << batch;
    }
    TestWorkstation t;
    BatchFileSender sender({});
    EXPECT_EQ(sender.send(t.path(QStringLiteral("IMPRIMIR.BAT")), t.folder()).outcome, RawSender::Outcome::NoBatchFile);
}
