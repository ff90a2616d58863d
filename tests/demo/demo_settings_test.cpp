// The settings of a freshly laid out demo program folder: they name the folder itself as the
// orders folder and the java the build found, and the printer-parameters dialog saves them as
// they are, without a message.
#include "settings/settings.h"
#include "setup/frmparametroimpressora.h"
#include "tests/demo/demofolder.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

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
    QFile demo(sourceDir() + QStringLiteral("/demo/Pendrova.ini"));
    ASSERT_TRUE(demo.open(QIODevice::ReadOnly));
    QByteArray want = demo.readAll();
    want.replace("\nPath=\r\n", "\nPath=" + tw.folder().toUtf8() + "\r\n");
    const int java = want.indexOf("\nJava=");
    ASSERT_GE(java, 0);
    want.replace(java + 1, want.indexOf('\r', java) - java - 1, "Java=" ETIQUETAS_JAVA_DIR);
    EXPECT_EQ(tw.readBytes(QStringLiteral("Pendrova.ini")).toStdString(), want.toStdString());
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

}  // namespace
