#include "rawprint/envio.h"
#include "tests/common/smalldisk.h"
#include "tests/rawprint/rawfixture.h"

#include <QDir>
#include <gtest/gtest.h>

TEST(BatchFileTest, LinesForEachPortKindAndWriter)
{
    struct {
        const char* porta;
        const char* port;
        const char* share;
        BatchStyle style;
        QByteArray expected;
    } rows[] = {
        // 0: any letter case of PARALELA gives the copy line alone
        {"Paralela", "LPT1", "Zebra", kDialogBatch, "type epltemp.prn > LPT1\r\n"},
        {"PARALELA", "LPT2", "Zebra", kPacoteBatch, "type epltemp.prn > LPT2\r\n"},
        {"paralela", "LPT1", "Zebra", kFrenteBatch, "type epltemp.prn > LPT1\n\r\n"},
        // 3: other kinds map the port to the share first
        {"USB", "LPT1", "Zebra", kDialogBatch,
         "net use LPT1: /delete\r\nnet use LPT1: \\\\127.0.0.1\\Zebra /yes\r\ntype epltemp.prn > LPT1\r\n"},
        // 4: the design caption is no port kind of PARALELA either
        {"Label17", "LPT1", " Zebra ", kDialogBatch,
         "net use LPT1: /delete\r\nnet use LPT1: \\\\127.0.0.1\\Zebra /yes\r\ntype epltemp.prn > LPT1\r\n"},
        // 5: an empty share
        {"SERIAL", "LPT1", "", kDialogBatch,
         "net use LPT1: /delete\r\nnet use LPT1: \\\\127.0.0.1\\ /yes\r\ntype epltemp.prn > LPT1\r\n"},
        // 6: the dialogs keep the port's blanks, the main-window writers trim it in the net use lines
        {"USB", " Lpt3 ", "Zebra", kDialogBatch,
         "net use  Lpt3 : /delete\r\nnet use  Lpt3 : \\\\127.0.0.1\\Zebra /yes\r\ntype epltemp.prn >  Lpt3 \r\n"},
        {"USB", " Lpt3 ", "Zebra", kPacoteBatch,
         "net use Lpt3: /delete\r\nnet use Lpt3: \\\\127.0.0.1\\Zebra /yes\r\ntype epltemp.prn >  Lpt3 \r\n"},
        {"USB", " Lpt3 ", "Zebra", kOcultaNovaBatch,
         "net use Lpt3: /delete\r\nnet use Lpt3: \\\\127.0.0.1\\Zebra /yes\r\ntype epltemp.prn >  Lpt3 \n\r\n"},
        {"USB", "LPT1", "Zebra", kFrenteBatch,
         "net use LPT1: /delete\r\nnet use LPT1: \\\\127.0.0.1\\Zebra /yes\r\ntype epltemp.prn > LPT1\n\r\n"},
    };
    for (size_t i = 0; i < std::size(rows); ++i) {
        MainForm form;
        form.lblporta.caption = QString::fromLatin1(rows[i].porta);
        form.LBLPORTAPARELELA.caption = QString::fromLatin1(rows[i].port);
        form.lblcompartilhamento.caption = QString::fromLatin1(rows[i].share);
        EXPECT_EQ(batchBytes(form, rows[i].style).value_or("refused"), rows[i].expected) << i;
    }
}

TEST(BatchFileTest, NamesThatWouldRunAsCommandsAreRefused)
{
    const char* shares[] = {"Zebra & del *.*", "Zebra|x", "Ze>bra", "%WINDIR%", "a^b", "Zebra\"", "(x)", "Ze\r\nbra"};
    for (const char* share : shares) {
        MainForm form;
        form.lblporta.caption = QStringLiteral("USB");
        form.lblcompartilhamento.caption = QString::fromLatin1(share);
        EXPECT_FALSE(batchBytes(form, kDialogBatch)) << share;
        // With a parallel port the share is not written, so it cannot do harm.
        form.lblporta.caption = QStringLiteral("PARALELA");
        EXPECT_TRUE(batchBytes(form, kDialogBatch)) << share;
    }
    MainForm form;
    form.lblporta.caption = QStringLiteral("PARALELA");
    form.LBLPORTAPARELELA.caption = QStringLiteral("LPT1 & calc");
    EXPECT_FALSE(batchBytes(form, kDialogBatch));
}

TEST(SendRawJobTest, WritesTheSpoolFileAndABatchFileWhenMissingThenSends)
{
    RawFixture f;
    f.t.form.lblporta.caption = QStringLiteral("USB");
    sendRawJob(f.t.program, {QStringLiteral("^XA"), QString(QChar(2)) + QStringLiteral("L"), QStringLiteral("Ação"),
                             QStringLiteral("^XZ")},
               kDialogBatch);
    EXPECT_EQ(f.spool(), QByteArray("^XA\r\n\x02L\r\nA\xE7\xE3o\r\n^XZ\r\n"));
    EXPECT_EQ(f.batch(), crlf({"net use LPT1: /delete", "net use LPT1: \\\\127.0.0.1\\Zebra /yes", "type epltemp.prn > LPT1"}));
    ASSERT_EQ(f.sender.sends.size(), 1u);
    EXPECT_EQ(f.sender.sends[0].folder, f.t.folder());
    EXPECT_EQ(QDir::cleanPath(f.sender.sends[0].batchFile), f.t.path(QStringLiteral("IMPRIMIR.BAT")));
    EXPECT_EQ(f.sender.sends[0].spool, f.spool());
}

TEST(SendRawJobTest, AnExistingBatchFileIsUsedUnchanged)
{
    RawFixture f;
    const QByteArray old = "net use LPT2: /delete\r\nnet use LPT2: \\\\127.0.0.1\\Argox /yes\r\ntype epltemp.prn > LPT2\r\n";
    f.t.writeBytes(QStringLiteral("imprimir.bat"), old);
    f.t.form.lblporta.caption = QStringLiteral("PARALELA");
    f.t.form.LBLPORTAPARELELA.caption = QStringLiteral("LPT1");
    sendRawJob(f.t.program, {QStringLiteral("^XA"), QStringLiteral("^XZ")}, kFrenteBatch);
    EXPECT_EQ(f.t.readBytes(QStringLiteral("imprimir.bat")), old);
    EXPECT_FALSE(f.t.exists(QStringLiteral("IMPRIMIR.BAT")));
    ASSERT_EQ(f.sender.sends.size(), 1u);
    EXPECT_EQ(f.sender.sends[0].batch, old);
}

TEST(SendRawJobTest, ASecondJobReplacesTheFirstWhole)
{
    RawFixture f;
    sendRawJob(f.t.program, {QStringLiteral("^XA"), QStringLiteral("^FO1,1^FDuma etiqueta longa^FS"), QStringLiteral("^XZ")},
               kDialogBatch);
    sendRawJob(f.t.program, {QStringLiteral("^XA"), QStringLiteral("^XZ")}, kDialogBatch);
    EXPECT_EQ(f.spool(), crlf({"^XA", "^XZ"}));
    ASSERT_EQ(f.sender.sends.size(), 2u);
    EXPECT_EQ(f.sender.sends[1].spool, crlf({"^XA", "^XZ"}));
}

TEST(SendRawJobTest, NothingIsSentWhenTheSpoolFileCannotBeWritten)
{
    RawFixture f;
    // A folder in the spool file's place can be neither deleted as a file nor written.
    QDir(f.t.folder()).mkdir(QStringLiteral("epltemp.prn"));
    EXPECT_FALSE(sendRawJob(f.t.program, {QStringLiteral("^XA"), QStringLiteral("^XZ")}, kDialogBatch));
    EXPECT_TRUE(f.sender.sends.empty());
    EXPECT_EQ(f.t.messages.texts(), QStringList{QStringLiteral("Não foi possível gravar o arquivo ") +
                                                f.t.path(QStringLiteral("epltemp.prn")) +
                                                QStringLiteral(": existe uma pasta com esse nome.")});
}

// A disk that fills up under the spool file: the job is not sent, neither whole nor in part, the
// earlier job is not sent in its place, and the operator is told once.
TEST(SendRawJobTest, AFullDiskSendsNothingAndIsToldOnce)
{
    RawFixture f;
    SmallDisk disk(f.t.folder(), f.t.files, 64);
    ASSERT_TRUE(sendRawJob(f.t.program, {QStringLiteral("^XA"), QStringLiteral("^XZ")}, kDialogBatch));
    disk.fill();
    QStringList job{QStringLiteral("^XA")};
    for (int i = 0; i < 2000; ++i)
        job << QStringLiteral("^FO10,%1^FDvolume %1^FS").arg(i);
    job << QStringLiteral("^XZ");
    EXPECT_FALSE(sendRawJob(f.t.program, job, kDialogBatch));
    EXPECT_EQ(f.sender.sends.size(), 1u);
    EXPECT_FALSE(f.t.exists(QStringLiteral("epltemp.prn")));
    EXPECT_EQ(QDir(f.t.folder()).entryList({QStringLiteral("*.gravando-*")}, QDir::Files | QDir::Hidden), QStringList());
    EXPECT_EQ(f.t.messages.texts(), QStringList{QStringLiteral("Não foi possível gravar o arquivo ") +
                                                f.t.path(QStringLiteral("epltemp.prn")) +
                                                QStringLiteral(": não há espaço livre no disco.")});
}

// The sender of this machine behind the writers: a port caption with blanks around it, as the
// dialogs write it, reaches its printer on every port kind and every writer's batch file, and
// a send that fails is told.
TEST(SendRawJobTest, WhatTheWritersWriteTheSenderCarriesOut)
{
    Pty port;
    if (!port.ok())
        GTEST_SKIP() << "no pseudo-terminals on this machine";
    FakeLp lp(FakeLp::kRecords);
    const BatchStyle styles[] = {kDialogBatch, kFrenteBatch, kPacoteBatch, kOcultaNovaBatch};
    for (const char* caption : {"LPT1 ", " Lpt1 ", "LPT1"})
        for (const char* kind : {"PARALELA", "USB"})
            for (const BatchStyle& style : styles) {
                SCOPED_TRACE(std::string(caption) + "|" + kind);
                TestWorkstation t;
                BatchFileSender sender({{QStringLiteral("LPT1"), port.device()}});
                t.ws.rawSender = &sender;
                t.form.lblporta.caption = QString::fromLatin1(kind);
                t.form.LBLPORTAPARELELA.caption = QString::fromLatin1(caption);
                t.form.lblcompartilhamento.caption = QStringLiteral(" Zebra ");
                EXPECT_TRUE(sendRawJob(t.program, {QStringLiteral("^XA"), QStringLiteral("^XZ")}, style));
                EXPECT_TRUE(t.messages.texts().isEmpty()) << t.messages.texts().join(u'|').toStdString();
                const QByteArray job("^XA\r\n^XZ\r\n");
                if (QByteArray(kind) == "USB") {
                    EXPECT_EQ(lp.file("stdin"), job);
                    EXPECT_TRUE(lp.file("args").startsWith("-d\nZebra\n"));
                } else {
                    EXPECT_EQ(port.received(), job);
                }
            }

    TestWorkstation t;
    BatchFileSender sender({{QStringLiteral("LPT1"), t.path(QStringLiteral("lp0"))}});
    t.ws.rawSender = &sender;
    t.form.lblporta.caption = QStringLiteral("PARALELA");
    t.form.LBLPORTAPARELELA.caption = QStringLiteral("LPT1");
    EXPECT_FALSE(sendRawJob(t.program, {QStringLiteral("^XA"), QStringLiteral("^XZ")}, kDialogBatch));
    EXPECT_EQ(t.messages.texts(), QStringList{QStringLiteral("Não foi possível enviar a etiqueta para a impressora: a porta "
                                                             "LPT1 (") +
                                              t.path(QStringLiteral("lp0")) + QStringLiteral(") não existe.")});
    EXPECT_EQ(t.messages.shown()[0].style, mb::OKOnly | mb::Critical);
    EXPECT_FALSE(t.exists(QStringLiteral("lp0")));
}

TEST(SendRawJobTest, AShareThatWouldRunAsACommandWritesNoBatchFile)
{
    RawFixture f;
    f.t.form.lblporta.caption = QStringLiteral("USB");
    f.t.form.lblcompartilhamento.caption = QStringLiteral("Zebra & format c:");
    EXPECT_FALSE(sendRawJob(f.t.program, {QStringLiteral("^XA"), QStringLiteral("^XZ")}, kDialogBatch));
    EXPECT_FALSE(f.t.exists(QStringLiteral("IMPRIMIR.BAT")));
    EXPECT_TRUE(f.sender.sends.empty());
    EXPECT_EQ(f.t.messages.texts(),
              QStringList{QStringLiteral("Não foi possível gravar o arquivo ") + f.t.path(QStringLiteral("IMPRIMIR.BAT")) +
                          QStringLiteral(": o nome da porta ou do compartilhamento não pode ser usado num comando.")});
}
