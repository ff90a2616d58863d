#include "labels/pack/gera_qrcode.h"
#include "platform/processes.h"
#include "tests/common/testworkstation.h"
#include "tests/labels/pack_support.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
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

// Runs the generator in the program folder as the program does; its exit code and what it said.
struct GeneratorRun {
    int exitCode = -1;
    QString errors;
};

GeneratorRun runGenerator(const TestWorkstation& ws)
{
    QProcess java;
    java.setWorkingDirectory(ws.folder());
    java.start(javaFolder() + QStringLiteral("/java"), {QStringLiteral("-jar"), QStringLiteral("qrlumo.jar")});
    EXPECT_TRUE(java.waitForFinished(60000));
    return {java.exitStatus() == QProcess::NormalExit ? java.exitCode() : -1,
            QString::fromUtf8(java.readAllStandardError())};
}

TEST_F(RealGenerator, MakesOneSquareDecodableImagePerCode)
{
    const QString master = QStringLiteral("4402318");
    // Byte 0x81 is no character of the code page; it keeps its own value, as the program reads it.
    const QStringList codes{QStringLiteral("7891234500017"), QStringLiteral("PRE-PACK 12&A"), QStringLiteral("0001"),
                            QStringLiteral("PP") + QChar(0x81) + u'1'};
    // Another carton's entries first, and the carton's own out of their volume order.
    QStringList pack{QStringLiteral("5500001|X1|1/4"), QStringLiteral("5500001|X2|2/4")};
    for (const int i : {2, 0, 3, 1})
        pack << master + u'|' + codes[i] + QStringLiteral("|%1/4").arg(i + 1);
    fillCarton(ws.form, master, pack, 1, 4);

    QrTurn vez(ws.files);
    ASSERT_TRUE(Gera_QrCode(ws.program, vez));

    for (const QString& code : codes) {
        SCOPED_TRACE(code.toStdString());
        const QImage image(ws.path(QStringLiteral("tmp/") + code + QStringLiteral(".jpg")), "JPEG");
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.width(), image.height());
        EXPECT_GT(qGray(image.pixel(2, 2)), 200) << "white quiet zone";
        EXPECT_EQ(decodeQr(image), code);
    }
    // Only the images and the request are left: the temporary names were renamed.
    EXPECT_EQ(QDir(ws.path(QStringLiteral("tmp"))).entryList(QDir::Files | QDir::Hidden).size(), codes.size() + 1);
}

// The program never asks for such codes; the generator still refuses each alone.
TEST_F(RealGenerator, RefusesAlonePackCodesThatNameNoFileOfTmp)
{
    ws.writeBytes(QStringLiteral("tmp/qr.xml"),
                  requisicaoQr({QStringLiteral("C1"), QStringLiteral("../fora"), QStringLiteral("C") + QChar(0x01)},
                               ws.path(QStringLiteral("tmp")) + u'/'));
    const GeneratorRun run = runGenerator(ws);
    EXPECT_TRUE(run.errors.contains(QStringLiteral("code skipped: \"../fora\""))) << run.errors.toStdString();
    EXPECT_EQ(decodeQr(QImage(ws.path(QStringLiteral("tmp/C1.jpg")), "JPEG")), QStringLiteral("C1"));
    EXPECT_FALSE(ws.exists(QStringLiteral("fora.jpg")));
    EXPECT_EQ(QDir(ws.path(QStringLiteral("tmp"))).entryList(QDir::Files | QDir::Hidden).size(), 2)
        << "the request and C1's image";
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

TEST_F(RealGenerator, WritesOnlyIntoTheProgramFoldersTmp)
{
    struct Case {
        const char* name;
        QString destino;  // as the request names it
        QString target;   // where the image would land, under the program folder
    };
    const Case cases[] = {
        {"the program folder itself", ws.folder() + u'/', QStringLiteral("C1.jpg")},
        {"a folder inside tmp", ws.path(QStringLiteral("tmp/logos/")), QStringLiteral("tmp/logos/C1.jpg")},
        {"tmp reached through ..", ws.path(QStringLiteral("tmp/logos/../../")), QStringLiteral("C1.jpg")},
        {"a link in tmp to the program folder", ws.path(QStringLiteral("tmp/volta/")), QStringLiteral("C1.jpg")},
        {"a folder elsewhere", ws.path(QStringLiteral("outra/")), QStringLiteral("outra/C1.jpg")},
    };
    ASSERT_TRUE(QDir().mkpath(ws.path(QStringLiteral("tmp/logos"))));
    ASSERT_TRUE(QDir().mkpath(ws.path(QStringLiteral("outra"))));
    ASSERT_TRUE(QFile::link(ws.folder(), ws.path(QStringLiteral("tmp/volta"))));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ws.writeBytes(QStringLiteral("tmp/qr.xml"), requisicaoQr({QStringLiteral("C1")}, c.destino));
        const GeneratorRun run = runGenerator(ws);
        EXPECT_NE(run.exitCode, 0);
        EXPECT_TRUE(run.errors.contains(QStringLiteral("destination refused"))) << run.errors.toStdString();
        EXPECT_FALSE(ws.exists(c.target));
        EXPECT_FALSE(ws.exists(QStringLiteral("tmp/C1.jpg")));
    }
    // The folder the program names, spelled as it spells it, is the one accepted.
    ws.writeBytes(QStringLiteral("tmp/qr.xml"),
                  requisicaoQr({QStringLiteral("C1")}, ws.path(QStringLiteral("tmp")) + u'/'));
    EXPECT_EQ(runGenerator(ws).exitCode, 0);
    EXPECT_EQ(decodeQr(QImage(ws.path(QStringLiteral("tmp/C1.jpg")), "JPEG")), QStringLiteral("C1"));
}

TEST_F(RealGenerator, NestingTheRequestDoesNotHaveIsRefusedWithAClearError)
{
    const QByteArray block = "<pack>\r\n   <codigo>C1</codigo>\r\n   <destino>" + ws.path(QStringLiteral("tmp/")).toUtf8() +
                             "</destino>\r\n</pack>\r\n";
    struct Case {
        const char* name;
        int depth;
    };
    for (const Case& c : {Case{"20,000 nested elements", 20000}, Case{"one element too deep", 1}}) {
        SCOPED_TRACE(c.name);
        QByteArray request = "<qrcode>\r\n" + block + "<pack><codigo>C2";
        for (int i = 0; i < c.depth; ++i)
            request += "<x>";
        for (int i = 0; i < c.depth; ++i)
            request += "</x>";
        request += "</codigo></pack>\r\n</qrcode>\r\n";
        ws.writeBytes(QStringLiteral("tmp/qr.xml"), request);
        QFile::remove(ws.path(QStringLiteral("tmp/C1.jpg")));

        const GeneratorRun run = runGenerator(ws);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.errors.contains(QStringLiteral("nested deeper"))) << run.errors.left(400).toStdString();
        EXPECT_FALSE(run.errors.contains(QStringLiteral("StackOverflowError")));
        EXPECT_FALSE(ws.exists(QStringLiteral("tmp/C1.jpg"))) << "a refused request makes nothing";
    }
}

// The program folder's path holds characters the code page lacks, one of them beyond 16 bits:
// the request names them as references and the generator's images land in its tmp. The Java
// runtime of this machine cannot open a jar under such a path at all (its launcher fails on the
// path's URL), so the runtime here runs the jar the build made, from the program folder.
TEST(RealGeneratorFolder, WritesIntoAProgramFolderWhoseNameTheCodePageLacks)
{
    ASSERT_TRUE(QFile::exists(builtQrlumoJar())) << "build the qrlumo target first";
    ASSERT_FALSE(javaFolder().isEmpty()) << "no java on this machine";
    QTemporaryDir parent;
    const QString folder = parent.path() + QStringLiteral("/Etiquetas \U0001F4E6 Łódź 日本");
    ASSERT_TRUE(QDir().mkpath(folder + QStringLiteral("/tmp")));
    QTemporaryDir runtime;
    QFile java(runtime.path() + QStringLiteral("/java"));
    ASSERT_TRUE(java.open(QIODevice::WriteOnly));
    java.write(QStringLiteral("#!/bin/sh\nexec '%1/java' -jar '%2'\n").arg(javaFolder(), builtQrlumoJar()).toUtf8());
    java.close();
    java.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    FileSystem files(folder);
    TestWorkstation t;
    Workstation ws{files, t.profile, t.printers, t.messages, t.screen};
    QtProcesses processes;
    ws.processes = &processes;
    Program program{ws, t.form, t.g};
    t.form.lbljava.caption = runtime.path();
    const QString master = QStringLiteral("4402318");
    fillCarton(t.form, master, {master + QStringLiteral("|7891234500014|1/1")}, 1, 1);

    QrTurn vez(files);
    ASSERT_TRUE(Gera_QrCode(program, vez));

    QFile request(folder + QStringLiteral("/tmp/qr.xml"));
    ASSERT_TRUE(request.open(QIODevice::ReadOnly));
    const QByteArray bytes = request.readAll();
    // "ó" is in the code page and stays one byte.
    EXPECT_TRUE(bytes.contains("Etiquetas &#128230; &#321;\xF3" "d&#378; &#26085;&#26412;")) << bytes.toStdString();
    EXPECT_FALSE(bytes.contains('?'));
    EXPECT_EQ(decodeQr(QImage(folder + QStringLiteral("/tmp/7891234500014.jpg"), "JPEG")),
              QStringLiteral("7891234500014"));
}

}  // namespace
