#include "rawprint/envio.h"
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
    sendRawJob(f.t.program, {QStringLiteral("^XA"), QStringLiteral("^XZ")}, kDialogBatch);
    EXPECT_TRUE(f.sender.sends.empty());
}

TEST(SendRawJobTest, AShareThatWouldRunAsACommandWritesNoBatchFile)
{
    RawFixture f;
    f.t.form.lblporta.caption = QStringLiteral("USB");
    f.t.form.lblcompartilhamento.caption = QStringLiteral("Zebra & format c:");
    sendRawJob(f.t.program, {QStringLiteral("^XA"), QStringLiteral("^XZ")}, kDialogBatch);
    EXPECT_FALSE(f.t.exists(QStringLiteral("IMPRIMIR.BAT")));
}
