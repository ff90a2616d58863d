#include "platform/rawsender.h"
#include "tests/rawprint/rawfixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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
        // 12: no copy line, two copy lines, an empty port
        {{"net use LPT1: /delete"}, false, "", ""},
        {{"type epltemp.prn > LPT1", "type epltemp.prn > LPT2"}, false, "", ""},
        {{"type epltemp.prn > "}, false, "", ""},
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

struct SenderFixture {
    TestWorkstation t;
    RecordingProcesses processes;
    // The port names its device in any letter case.
    BatchFileSender sender{processes, {{QStringLiteral("Lpt1"), t.path(QStringLiteral("porta/lpt1.bin"))}}};

    SenderFixture() { QDir(t.folder()).mkdir(QStringLiteral("porta")); }
    RawSender::Outcome send() { return sender.send(FileSystem::join(t.folder(), QStringLiteral("IMPRIMIR.BAT")), t.folder()); }
    QByteArray port() const { return t.readBytes(QStringLiteral("porta/lpt1.bin")); }
};

TEST(BatchFileSenderTest, APortReceivesExactlyTheSpoolBytes)
{
    SenderFixture f;
    const QByteArray job = QByteArray("\x02n\r\n\x01") + "D\r\n^FDa\xE7\xFF^FS\r\n";
    f.t.writeBytes(QStringLiteral("epltemp.prn"), job);
    f.t.writeBytes(QStringLiteral("IMPRIMIR.BAT"), "type epltemp.prn > LPT1\n\r\n");
    EXPECT_EQ(f.send(), RawSender::Outcome::Sent);
    EXPECT_EQ(f.port(), job);
    EXPECT_TRUE(f.processes.starts.empty());
}

TEST(BatchFileSenderTest, TheSpoolFileIsTheProgramFoldersWhateverTheCurrentFolder)
{
    SenderFixture f;
    QTemporaryDir elsewhere;
    QFile stray(elsewhere.path() + QStringLiteral("/epltemp.prn"));
    ASSERT_TRUE(stray.open(QIODevice::WriteOnly));
    stray.write("outro trabalho\r\n");
    stray.close();
    const QString before = QDir::currentPath();
    QDir::setCurrent(elsewhere.path());
    f.t.writeBytes(QStringLiteral("EPLTEMP.PRN"), "^XA\r\n^XZ\r\n");
    f.t.writeBytes(QStringLiteral("imprimir.bat"), "type epltemp.prn > LPT1\r\n");
    const auto outcome = f.send();
    QDir::setCurrent(before);
    EXPECT_EQ(outcome, RawSender::Outcome::Sent);
    EXPECT_EQ(f.port(), QByteArray("^XA\r\n^XZ\r\n"));
}

TEST(BatchFileSenderTest, AMappedPortGoesToTheQueueAsRawArguments)
{
    SenderFixture f;
    f.t.writeBytes(QStringLiteral("epltemp.prn"), "^XA\r\n^XZ\r\n");
    f.t.writeBytes(QStringLiteral("IMPRIMIR.BAT"),
                   "net use LPT1: /delete\r\nnet use LPT1: \\\\127.0.0.1\\Zebra_GK420 /yes\r\ntype epltemp.prn > LPT1\r\n");
    EXPECT_EQ(f.send(), RawSender::Outcome::Sent);
    ASSERT_EQ(f.processes.starts.size(), 1u);
    EXPECT_EQ(f.processes.starts[0].program, u"lp");
    EXPECT_EQ(f.processes.starts[0].arguments,
              (QStringList{"-d", "Zebra_GK420", "-o", "raw", f.t.path(QStringLiteral("epltemp.prn"))}));
    EXPECT_TRUE(f.port().isEmpty());
}

TEST(BatchFileSenderTest, ShellSyntaxIsRefusedAndNothingRuns)
{
    const char* batches[] = {
        "net use LPT1: /delete\r\nnet use LPT1: \\\\127.0.0.1\\Zebra&calc /yes\r\ntype epltemp.prn > LPT1\r\n",
        "net use LPT1: /delete\r\nnet use LPT1: \\\\127.0.0.1\\Zebra /yes | calc\r\ntype epltemp.prn > LPT1\r\n",
        "type epltemp.prn > LPT1\r\ndel /q *.*\r\n",
    };
    for (const char* batch : batches) {
        SenderFixture f;
        f.t.writeBytes(QStringLiteral("epltemp.prn"), "^XA\r\n^XZ\r\n");
        f.t.writeBytes(QStringLiteral("IMPRIMIR.BAT"), batch);
        EXPECT_EQ(f.send(), RawSender::Outcome::Refused) << batch;
        EXPECT_TRUE(f.processes.starts.empty()) << batch;
        EXPECT_FALSE(f.t.exists(QStringLiteral("porta/lpt1.bin"))) << batch;
    }
}

TEST(BatchFileSenderTest, MissingPiecesSendNothing)
{
    SenderFixture f;
    EXPECT_EQ(f.send(), RawSender::Outcome::NoBatchFile);
    // A port the table does not know, and a spool file that is not there.
    f.t.writeBytes(QStringLiteral("IMPRIMIR.BAT"), "type epltemp.prn > LPT1\r\n");
    EXPECT_EQ(f.send(), RawSender::Outcome::Failed);
    f.t.writeBytes(QStringLiteral("epltemp.prn"), "^XA\r\n^XZ\r\n");
    f.t.writeBytes(QStringLiteral("IMPRIMIR.BAT"), "type epltemp.prn > LPT4\r\n");
    EXPECT_EQ(f.send(), RawSender::Outcome::Failed);
    EXPECT_TRUE(f.processes.starts.empty());
}
