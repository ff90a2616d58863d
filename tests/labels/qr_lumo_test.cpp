#include "labels/pack/gera_qrcode.h"
#include "platform/processes.h"
#include "tests/common/testworkstation.h"
#include "tests/labels/pack_support.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

struct RealGenerator : ::testing::Test {
    void SetUp() override
    {
        ASSERT_TRUE(QFile::exists(builtQrlumoJar())) << "build the qrlumo target first";
        ASSERT_FALSE(javaFolder().isEmpty()) << "no java on this machine";
        QDir().mkpath(ws.path(QStringLiteral("tmp")));
        ASSERT_TRUE(QFile::copy(builtQrlumoJar(), ws.path(QStringLiteral("qrlumo.jar"))));
        ws.ws.processes = &processes;
        ws.form.lbljava.caption = javaFolder();
    }

    TestWorkstation ws;
    QtProcesses processes;
};

TEST_F(RealGenerator, MakesOneSquareDecodableImagePerCode)
{
    const QString master = QStringLiteral("4402318");
    // Byte 0x81 is no character of the code page; it keeps its own value, as the program reads it.
    const QStringList codes{QStringLiteral("7891234500017"), QStringLiteral("PRE-PACK 12&A"), QStringLiteral("0001"),
                            QStringLiteral("PP") + QChar(0x81) + u'1'};
    QStringList pack;
    for (int i = 0; i < codes.size(); ++i)
        pack << master + u'|' + codes[i] + QStringLiteral("|%1/3").arg(i + 1);
    pack << master + QStringLiteral("|../fora|3/3");  // refused, and nothing lands outside tmp
    pack << master + QStringLiteral("|C") + QChar(0x01) + QStringLiteral("|3/3");  // refused alone
    fillCarton(ws.form, master, pack, 1, 3);

    ASSERT_TRUE(Gera_QrCode(ws.program));

    for (const QString& code : codes) {
        SCOPED_TRACE(code.toStdString());
        const QImage image(ws.path(QStringLiteral("tmp/") + code + QStringLiteral(".jpg")), "JPEG");
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.width(), image.height());
        EXPECT_GT(qGray(image.pixel(2, 2)), 200) << "white quiet zone";
        EXPECT_EQ(decodeQr(image), code);
    }
    EXPECT_FALSE(ws.exists(QStringLiteral("fora.jpg")));
    // Only the images are left: the temporary names were renamed.
    EXPECT_EQ(QDir(ws.path(QStringLiteral("tmp"))).entryList(QDir::Files | QDir::Hidden).size(), codes.size() + 1);
}

TEST_F(RealGenerator, ExitsNonZeroWhenAnImageCannotBeMade)
{
    const QByteArray request = requisicaoQr({QStringLiteral("C1")}, ws.path(QStringLiteral("missing/")));
    ws.writeBytes(QStringLiteral("tmp/qr.xml"), request);

    QProcess java;
    java.setWorkingDirectory(ws.folder());
    java.start(javaFolder() + QStringLiteral("/java"), {QStringLiteral("-jar"), QStringLiteral("qrlumo.jar")});
    ASSERT_TRUE(java.waitForFinished(60000));
    EXPECT_EQ(java.exitStatus(), QProcess::NormalExit);
    EXPECT_NE(java.exitCode(), 0);
}

TEST_F(RealGenerator, WritesIntoAFolderWhoseNameTheCodePageLacks)
{
    const QString folder = ws.path(QStringLiteral("tmp/Łódź 日本/"));
    ASSERT_TRUE(QDir().mkpath(folder));
    ws.writeBytes(QStringLiteral("tmp/qr.xml"), requisicaoQr({QStringLiteral("C1")}, folder));

    QProcess java;
    java.setWorkingDirectory(ws.folder());
    java.start(javaFolder() + QStringLiteral("/java"), {QStringLiteral("-jar"), QStringLiteral("qrlumo.jar")});
    ASSERT_TRUE(java.waitForFinished(60000));
    EXPECT_EQ(java.exitCode(), 0);
    EXPECT_EQ(decodeQr(QImage(folder + QStringLiteral("C1.jpg"), "JPEG")), QStringLiteral("C1"));
}

}  // namespace
