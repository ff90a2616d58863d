// The settings of a freshly laid out demo program folder: they name the folder itself as the
// orders folder and the java the build found, and the printer-parameters dialog saves them as
// they are, without a message.
#include "platform/codepage.h"
#include "settings/settings.h"
#include "setup/frmparametroimpressora.h"
#include "tests/demo/demofolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

// The demo settings file with Path set to path (as it stands when empty) and Java to the java the
// build found: what a first layout writes.
QByteArray laidOutSettings(const QByteArray& path)
{
    QFile demo(sourceDir() + QStringLiteral("/demo/Pendrova.ini"));
    if (!demo.open(QIODevice::ReadOnly))
        return {};
    QByteArray want = demo.readAll();
    want.replace("\nPath=\r\n", "\nPath=" + path + "\r\n");
    const int java = want.indexOf("\nJava=");
    if (java >= 0)
        want.replace(java + 1, want.indexOf('\r', java) - java - 1, "Java=" ETIQUETAS_JAVA_DIR);
    return want;
}

// A program over another program folder, sharing the workstation's printers and messages.
struct ProgramAt {
    ProgramAt(TestWorkstation& tw, const QString& folder)
        : files(folder), profile(files), ws{files, profile, tw.printers, tw.messages, tw.screen}
    {
    }
    FileSystem files;
    ProfileFile profile;
    Workstation ws;
    MainForm form;
    Globals g;
    Program program{ws, form, g};
};

struct DemoSettings : ::testing::Test {
    TestWorkstation tw;

    void SetUp() override
    {
        ASSERT_FALSE(QString::fromLatin1(ETIQUETAS_JAVA_DIR).isEmpty()) << "the build found no java";
        ASSERT_EQ(layOutDemo(tw.folder()), QString());
    }
    QString saved(const char* key) const { return readSetting(tw.ws, "Impressora", key); }
};

TEST_F(DemoSettings, AFreshFolderNamesItselfAndTheJavaTheBuildFound)
{
    EXPECT_EQ(saved("Path"), tw.folder());
    EXPECT_EQ(saved("Java"), QStringLiteral(ETIQUETAS_JAVA_DIR));
    EXPECT_TRUE(QFileInfo(saved("Java") + QStringLiteral("/java")).isExecutable());

    // Everything else is the demo file as it stands.
    EXPECT_EQ(tw.readBytes(QStringLiteral("Pendrova.ini")).toStdString(),
              laidOutSettings(cp1252::encode(tw.folder())).toStdString());
}

TEST_F(DemoSettings, ALaterLayoutKeepsWhatWasSaved)
{
    ASSERT_TRUE(tw.profile.write(tw.path(QStringLiteral("Pendrova.ini")), QStringLiteral("Impressora"),
                                 QStringLiteral("Path"), QStringLiteral("/srv/pedidos")));
    ASSERT_EQ(layOutDemo(tw.folder()), QString());
    EXPECT_EQ(saved("Path"), QStringLiteral("/srv/pedidos"));
}

TEST_F(DemoSettings, ThePrinterParametersSaveAcceptsThemUnchanged)
{
    const QByteArray before = tw.readBytes(QStringLiteral("Pendrova.ini"));
    FrmParametroImpressora dlg(tw.program);
    dlg.Form_Load();
    dlg.Form_Activate();
    EXPECT_EQ(dlg.TXTPATH.text, tw.folder());
    EXPECT_EQ(dlg.txtjava.text, QStringLiteral(ETIQUETAS_JAVA_DIR));
    dlg.cmd_grava_Click();
    EXPECT_EQ(tw.messages.texts(), QStringList{});
    EXPECT_EQ(tw.readBytes(QStringLiteral("Pendrova.ini")).toStdString(), before.toStdString());
    EXPECT_EQ(tw.form.lblpath.caption, tw.folder());
    EXPECT_EQ(tw.form.lbljava.caption, QStringLiteral(ETIQUETAS_JAVA_DIR));
}

// The settings file is Windows-1252: a program folder with "ã" goes in as its byte 0xE3 and the
// program reads it back as the folder; one with a character the code page lacks cannot be named
// there, so Path stays as the demo has it and the layout says why.
TEST_F(DemoSettings, TheProgramFolderIsWrittenInTheCodePageOfTheFile)
{
    struct Case {
        QString user;
        QByteArray bytes;  // what the folder name must hold in the file; empty: not storable
    };
    const Case cases[] = {
        {QStringLiteral("joão"), QByteArrayLiteral("/jo\xE3o/")},
        {QStringLiteral("Ωmega"), {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.user.toStdString());
        const QString folder = tw.folder() + u'/' + c.user + QStringLiteral("/etiquetas/programa");
        ASSERT_TRUE(QDir().mkpath(folder));
        QString printed;
        ASSERT_EQ(layOutDemo(folder, &printed), QString());
        ProgramAt at(tw, folder);
        const QByteArray file = tw.readBytes(folder.mid(tw.folder().size() + 1) + QStringLiteral("/Pendrova.ini"));
        if (c.bytes.isEmpty()) {
            EXPECT_EQ(file.toStdString(), laidOutSettings({}).toStdString());
            EXPECT_EQ(readSetting(at.ws, "Impressora", "Path"), QString());
            EXPECT_EQ(printed.count(QStringLiteral("Windows-1252")), 1) << printed.toStdString();
            EXPECT_TRUE(printed.contains(folder)) << printed.toStdString();
            continue;
        }
        EXPECT_TRUE(file.contains(c.bytes));
        EXPECT_EQ(file.toStdString(), laidOutSettings(cp1252::encode(folder)).toStdString());
        EXPECT_EQ(printed, QString());
        EXPECT_EQ(readSetting(at.ws, "Impressora", "Path"), folder);

        // The printer-parameters dialog takes the folder as it is and saves nothing different.
        FrmParametroImpressora dlg(at.program);
        dlg.Form_Load();
        dlg.Form_Activate();
        EXPECT_EQ(dlg.TXTPATH.text, folder);
        dlg.cmd_grava_Click();
        EXPECT_EQ(tw.messages.texts(), QStringList{});
        EXPECT_EQ(tw.readBytes(folder.mid(tw.folder().size() + 1) + QStringLiteral("/Pendrova.ini")).toStdString(),
                  file.toStdString());
        EXPECT_EQ(at.form.lblpath.caption, folder);
    }
}

}  // namespace
