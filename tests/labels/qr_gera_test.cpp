#include "labels/pack/gera_qrcode.h"
#include "platform/processes.h"
#include "tests/common/processended.h"
#include "tests/common/testworkstation.h"
#include "tests/labels/pack_support.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <gtest/gtest.h>
#include <signal.h>

using namespace std::chrono_literals;

namespace {

// A program folder with tmp, a carton and a fake Java runtime.
struct QrFixture {
    explicit QrFixture(const QString& javaBody) : java(javaBody)
    {
        QDir().mkpath(ws.path(QStringLiteral("tmp")));
        ws.ws.processes = &processes;
        ws.form.lbljava.caption = java.folder();
    }

    bool run(std::chrono::milliseconds timeout = kTempoGerador)
    {
        QrTurn vez(ws.files);
        return Gera_QrCode(ws.program, vez, timeout);
    }
    QString request() const { return QString::fromLatin1(ws.readBytes(QStringLiteral("tmp/qr.xml"))); }
    // The codes of the request, in its order.
    QStringList requested() const
    {
        QStringList out;
        for (const QString& line : request().split(QStringLiteral("\r\n")))
            if (line.startsWith(QStringLiteral("   <codigo>")))
                out << line.mid(11).chopped(9);
        return out;
    }
    bool image(const QString& code) const { return ws.exists(QStringLiteral("tmp/") + code + QStringLiteral(".jpg")); }
    void keepImage(const QString& code) const { writeFixtureJpeg(ws.path(QStringLiteral("tmp/") + code + QStringLiteral(".jpg"))); }

    TestWorkstation ws;
    QtProcesses processes;
    FakeJava java;
};

const QString kMaster = QStringLiteral("4402318");

TEST(GeraQrCode, WithoutJavaItSaysSoAndTouchesNothing)
{
    QrFixture fx(FakeJava::writesAll());
    QFile::remove(fx.java.folder() + QStringLiteral("/java"));
    fillCarton(fx.ws.form, kMaster, {kMaster + QStringLiteral("|789100|1/1")}, 1, 1);
    fx.ws.write(QStringLiteral("tmp/qr.xml"), QStringLiteral("old request"));
    fx.keepImage(QStringLiteral("old"));

    EXPECT_FALSE(fx.run());

    ASSERT_EQ(fx.ws.messages.shown().size(), 1u);
    EXPECT_EQ(fx.ws.messages.shown()[0].text, QStringLiteral("O Caminho do arquivo Java.exe não foi definido!"));
    EXPECT_EQ(mb::iconOf(fx.ws.messages.shown()[0].style), mb::Critical);
    EXPECT_EQ(fx.request(), QStringLiteral("old request"));
    EXPECT_TRUE(fx.image(QStringLiteral("old")));
}

TEST(GeraQrCode, RequestLinesAndCommandLine)
{
    QrFixture fx(FakeJava::writesAll());
    fillCarton(fx.ws.form, QStringLiteral(" ") + kMaster + QStringLiteral(" "),
               {QStringLiteral(" 4402318 | 789100 |1/2"), QStringLiteral("4402318|789200|2/2")}, 1, 2);

    EXPECT_TRUE(fx.run());

    const QString destino = fx.ws.folder() + QStringLiteral("/tmp/");
    const QString block1 = QStringLiteral("<pack>\r\n   <codigo>789100</codigo>\r\n   <destino>") + destino +
                           QStringLiteral("</destino>\r\n</pack>\r\n");
    const QString block2 = QStringLiteral("<pack>\r\n   <codigo>789200</codigo>\r\n   <destino>") + destino +
                           QStringLiteral("</destino>\r\n</pack>\r\n");
    EXPECT_EQ(fx.request(), QStringLiteral("<qrcode>\r\n") + block1 + block2 + QStringLiteral("</qrcode>\r\n"));
    EXPECT_EQ(fx.java.calls(), QStringList{fx.ws.folder() + QStringLiteral(" -jar qrlumo.jar")});
}

TEST(GeraQrCode, DestinationDoublesEveryBackslashAndRequestEscapesXml)
{
    EXPECT_EQ(textoDestino(QStringLiteral("D:\\Rotulos\\tmp\\")), QStringLiteral("D:\\\\Rotulos\\\\tmp\\\\"));
    EXPECT_EQ(QString::fromLatin1(requisicaoQr({QStringLiteral("A&B<1>")}, QStringLiteral("D:\\\\P&Q\\\\tmp\\\\"))),
              QStringLiteral("<qrcode>\r\n<pack>\r\n   <codigo>A&amp;B&lt;1&gt;</codigo>\r\n"
                             "   <destino>D:\\\\P&amp;Q\\\\tmp\\\\</destino>\r\n</pack>\r\n</qrcode>\r\n"));
}

// Volumes 3 to 5 of a carton of an order with the department header. Another carton's two
// entries come first in the pack list, so the carton's own entries are not at positions v - 1.
struct DepartmentCase {
    const char* name;
    bool present[3];       // images already in tmp for volumes 3, 4, 5
    QString writes;        // shell body of the generator
    bool started;
    bool result;
};

TEST(GeraQrCode, DepartmentOrderGeneratesOnlyWhenAnImageOfTheRangeIsMissing)
{
    const DepartmentCase cases[] = {
        {"all present: no generator", {true, true, true}, QString(), false, true},
        // The old images are deleted before generating: the generator must make them all again.
        {"middle missing, generator makes only it", {true, false, true}, FakeJava::writesOnly({"C3"}), true, false},
        {"middle missing, generator makes every image", {true, false, true}, FakeJava::writesAll(), true, true},
        {"middle missing, generator makes the others", {true, false, true}, FakeJava::writesOnly({"C2", "C4"}), true,
         false},
        {"generator makes every image and fails", {false, false, false}, FakeJava::writesAll() + "\nexit 1", true,
         false},
        {"generator makes the first and fails", {false, false, false}, FakeJava::writesOnly({"C2"}) + "\nexit 1", true,
         false},
    };
    for (const DepartmentCase& c : cases) {
        SCOPED_TRACE(c.name);
        QrFixture fx(c.writes);
        fx.ws.form.tem_departamento = true;
        fillCarton(fx.ws.form, kMaster,
                   {QStringLiteral("9999999|X1|1/2"), QStringLiteral("9999999|X2|2/2"), kMaster + QStringLiteral("|C0|1/5"),
                    kMaster + QStringLiteral("|C1|2/5"), kMaster + QStringLiteral("|C4|5/5"),
                    kMaster + QStringLiteral("|C2|3/5"), kMaster + QStringLiteral("|C3|4/5")},
                   3, 5);
        const char* codes[] = {"C2", "C3", "C4"};
        for (int i = 0; i < 3; ++i)
            if (c.present[i])
                fx.keepImage(QString::fromLatin1(codes[i]));
        fx.keepImage(QStringLiteral("other"));

        EXPECT_EQ(fx.run(), c.result);
        EXPECT_EQ(!fx.java.calls().isEmpty(), c.started);
        if (c.started) {
            EXPECT_EQ(fx.requested(), (QStringList{"C2", "C3", "C4"})) << "the carton's own codes, in volume order";
            EXPECT_FALSE(fx.image(QStringLiteral("other"))) << "old images are deleted before generating";
        } else {
            EXPECT_FALSE(fx.ws.exists(QStringLiteral("tmp/qr.xml")));
            EXPECT_TRUE(fx.image(QStringLiteral("other")));
        }
    }
}

struct ListCase {
    const char* name;
    QStringList pack;
    QString writes;  // shell body of the generator
    bool started;
    QStringList requested;
    bool result;
};

// A carton of volumes 1 and 2; the list also holds another carton's entries.
TEST(GeraQrCode, OrderWithoutDepartmentListsTheCartonsCodesInVolumeOrderAndNeedsEveryImage)
{
    const QString other = QStringLiteral("5500001");
    const ListCase cases[] = {
        {"two master codes, every image made",
         {other + "|X1|1/2", kMaster + "|C2|2/2", other + "|X2|2/2", kMaster + "|C1|1/2"}, FakeJava::writesAll(),
         true, {"C1", "C2"}, true},
        {"two master codes, only the first image made",
         {other + "|X1|1/2", kMaster + "|C1|1/2", other + "|X2|2/2", kMaster + "|C2|2/2"},
         FakeJava::writesOnly({"C1"}), true, {"C1", "C2"}, false},
        {"two master codes, all but the first made",
         {other + "|X1|1/2", kMaster + "|C1|1/2", kMaster + "|C2|2/2"},
         FakeJava::writesAllBut({"C1"}), true, {"C1", "C2"}, false},
        {"every image made, generator fails", {kMaster + "|C1|1/2", kMaster + "|C2|2/2"},
         FakeJava::writesAll() + "\nexit 1", true, {"C1", "C2"}, false},
        {"the first image made, generator fails", {kMaster + "|C1|1/2", kMaster + "|C2|2/2"},
         FakeJava::writesOnly({"C1"}) + "\nexit 3", true, {"C1", "C2"}, false},
        {"duplicates give two blocks", {kMaster + "|C1|1/2", kMaster + "|C1|2/2"}, FakeJava::writesAll(), true,
         {"C1", "C1"}, true},
        {"generator writes nothing", {kMaster + "|C1|1/2", kMaster + "|C2|2/2"}, QString(), true, {"C1", "C2"},
         false},
        {"no code of the carton", {other + "|X1|1/2", other + "|X2|2/2"}, FakeJava::writesAll(), false, {}, false},
        {"a volume without an entry", {kMaster + "|C1|1/2"}, FakeJava::writesAll(), false, {}, false},
        {"a volume whose code is empty", {kMaster + "|C1|1/2", kMaster + "||2/2"}, FakeJava::writesAll(), false, {},
         false},
        {"unsafe code listed", {kMaster + "|../C0|1/2", kMaster + "|C1|2/2"}, FakeJava::writesOnly({"C1"}), false, {},
         false},
        {"only unsafe codes", {kMaster + "|a/b|1/2", kMaster + "|..|2/2"}, FakeJava::writesAll(), false, {}, false},
        {"a control character", {kMaster + "|C1|1/2", kMaster + "|C\x01" "2|2/2"}, FakeJava::writesAll(), false, {},
         false},
    };
    for (const ListCase& c : cases) {
        SCOPED_TRACE(c.name);
        QrFixture fx(c.writes);
        fillCarton(fx.ws.form, kMaster, c.pack, 1, 2);
        fx.keepImage(QStringLiteral("stale"));

        EXPECT_EQ(fx.run(), c.result);
        EXPECT_EQ(fx.java.calls().size(), c.started ? 1 : 0);
        EXPECT_EQ(fx.requested(), c.requested);
        // Nothing is deleted for a carton that cannot have its images.
        EXPECT_EQ(fx.image(QStringLiteral("stale")), !c.started);
    }
}

TEST(GeraQrCode, AFileThatIsNoImageIsAFailedGeneration)
{
    const QString notImage = QStringLiteral("printf 'not a jpeg' > \"tmp/$c.jpg\"");
    struct Case {
        const char* name;
        QString writes;  // shell body of the generator
        bool result;
    };
    const Case cases[] = {
        {"every file is text", QStringLiteral("echo \"$CODES\" | while read -r c; do %1; done").arg(notImage), false},
        {"the first is an image, the second is text",
         FakeJava::writesOnly({"C1"}) + QStringLiteral("\nc=C2; ") + notImage, false},
        {"an empty file for the first", QStringLiteral(": > tmp/C1.jpg\n") + FakeJava::writesOnly({"C2"}), false},
        {"both images", FakeJava::writesAll(), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QrFixture fx(c.writes);
        fillCarton(fx.ws.form, kMaster, {kMaster + QStringLiteral("|C1|1/2"), kMaster + QStringLiteral("|C2|2/2")}, 1, 2);
        EXPECT_EQ(fx.run(), c.result);
        EXPECT_EQ(fx.java.calls().size(), 1);
    }
}

TEST(GeraQrCode, DepartmentOrderTakesAFileThatIsNoImageAsMissingAndAnEmptyCodeAsAFailure)
{
    struct Case {
        const char* name;
        QString codeAt4;     // the pack code of volume 4
        bool textAt4;        // a file of text already stands under that code's name
        const char* writes;  // codes the generator writes
        bool started;
        bool result;
    };
    const Case cases[] = {
        {"an old file that is no image is made again", "C3", true, "C2 C3 C4", true, true},
        {"an empty code in the range: nothing is made, the run fails", "", false, "C2 C4", false, false},
        {"a code that names no file of tmp fails alike", "../C3", false, "C2 C4", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QrFixture fx(FakeJava::writesOnly(QString::fromLatin1(c.writes).split(u' ')));
        fx.ws.form.tem_departamento = true;
        fillCarton(fx.ws.form, kMaster,
                   {kMaster + QStringLiteral("|C0|1/5"), kMaster + QStringLiteral("|C1|2/5"),
                    kMaster + QStringLiteral("|C2|3/5"), kMaster + QStringLiteral("|") + c.codeAt4 + "|4/5",
                    kMaster + QStringLiteral("|C4|5/5")},
                   3, 5);
        fx.keepImage(QStringLiteral("C2"));
        fx.keepImage(QStringLiteral("C4"));
        if (c.textAt4)
            fx.ws.write(QStringLiteral("tmp/C3.jpg"), QStringLiteral("not a jpeg"));

        EXPECT_EQ(fx.run(), c.result);
        EXPECT_EQ(fx.java.calls().size(), c.started ? 1 : 0);
        if (c.started)
            EXPECT_EQ(fx.requested(), (QStringList{"C2", c.codeAt4, "C4"}));
        else
            EXPECT_TRUE(fx.image(QStringLiteral("C2")) && fx.image(QStringLiteral("C4"))) << "nothing deleted";
    }
}

TEST(GeraQrCode, ARequestThatCannotBeWrittenFailsWithoutStartingTheGenerator)
{
    QrFixture fx(FakeJava::writesAll());
    fillCarton(fx.ws.form, kMaster, {kMaster + QStringLiteral("|C1|1/1")}, 1, 1);
    // A folder where the request file should be: no write can make it.
    ASSERT_TRUE(QDir().mkpath(fx.ws.path(QStringLiteral("tmp/qr.xml"))));

    EXPECT_FALSE(fx.run());
    EXPECT_TRUE(fx.java.calls().isEmpty());
    ASSERT_EQ(fx.ws.messages.texts().size(), 1);
    EXPECT_TRUE(fx.ws.messages.texts()[0].startsWith(QStringLiteral("Não foi possível gravar o arquivo ")));
    EXPECT_TRUE(fx.ws.messages.texts()[0].contains(QStringLiteral("qr.xml"))) << fx.ws.messages.texts()[0].toStdString();
}

TEST(GeraQrCode, ACharacterBeyondSixteenBitsIsOneReference)
{
    const QString folder = QStringLiteral("/p/Caixas \U0001F4E6 e \u00C7/tmp/");
    const QByteArray request = requisicaoQr({QStringLiteral("C1")}, folder);
    EXPECT_TRUE(request.contains("<destino>/p/Caixas &#128230; e \xC7/tmp/</destino>")) << request.toStdString();
    EXPECT_FALSE(request.contains('?'));
}

// This machine's processes, except that the run's wait starts only once the generator has
// reached its hang, which it marks by writing a file: the time-out then runs out on a generator
// that is hung, never on one that a busy machine has not yet let start.
class WaitsForTheHang : public Processes {
public:
    WaitsForTheHang(Processes& real, QString marker) : real_(real), marker_(std::move(marker)) {}

    std::optional<Id> start(const QString& program, const QStringList& arguments,
                            const QString& workingFolder) override
    {
        return real_.start(program, arguments, workingFolder);
    }
    Wait wait(Id id, std::chrono::milliseconds timeout) override
    {
        // A generator that ends instead of hanging ends this wait too, with its own result.
        while (!marked())
            if (const Wait w = real_.wait(id, 20ms); w != Wait::TimedOut)
                return w;
        return real_.wait(id, timeout);
    }
    void end(Id id) override { real_.end(id); }
    void sleep(std::chrono::milliseconds pause) override { real_.sleep(pause); }

private:
    bool marked() const
    {
        QFile f(marker_);
        return f.open(QIODevice::ReadOnly) && f.readAll().endsWith('\n');
    }

    Processes& real_;
    QString marker_;
};

TEST(GeraQrCode, HungGeneratorIsEndedAndTheRunFails)
{
    // It writes the first image and then hangs, with a child of its own.
    QrFixture fx(FakeJava::writesAll() + QStringLiteral("\nsleep 60 &\necho $! > sleeper.pid\nwait\n"));
    WaitsForTheHang processes(fx.processes, fx.ws.path(QStringLiteral("sleeper.pid")));
    fx.ws.ws.processes = &processes;
    fillCarton(fx.ws.form, kMaster, {kMaster + QStringLiteral("|C1|1/1")}, 1, 1);

    EXPECT_FALSE(fx.run(300ms));

    EXPECT_TRUE(fx.image(QStringLiteral("C1")));
    const pid_t sleeper = fx.ws.readBytes(QStringLiteral("sleeper.pid")).trimmed().toInt();
    ASSERT_GT(sleeper, 0);
    EXPECT_TRUE(processEnded(sleeper)) << "the hung generator's own child is ended too";
}

TEST(GeraQrCode, RuntimeThatCannotStartFailsWithoutWaiting)
{
    QrFixture fx(FakeJava::writesAll());
    QFile::setPermissions(fx.java.folder() + QStringLiteral("/java"), QFile::ReadOwner | QFile::WriteOwner);
    fillCarton(fx.ws.form, kMaster, {kMaster + QStringLiteral("|C1|1/1")}, 1, 1);

    EXPECT_FALSE(fx.run());
    EXPECT_TRUE(fx.ws.messages.shown().empty());
    EXPECT_TRUE(fx.java.calls().isEmpty());
}

TEST(GeraQrCode, WithoutProcessesNothingIsStartedAndTheRunFails)
{
    QrFixture fx(FakeJava::writesAll());
    fx.ws.ws.processes = nullptr;
    fillCarton(fx.ws.form, kMaster, {kMaster + QStringLiteral("|C1|1/1")}, 1, 1);

    EXPECT_FALSE(fx.run());
    EXPECT_TRUE(fx.java.calls().isEmpty());
    EXPECT_EQ(fx.requested(), QStringList{"C1"});
}

// A JPEG whose compressed data is most of the file, so a cut lands in it.
QByteArray noisyJpeg()
{
    QImage image(240, 240, QImage::Format_Grayscale8);
    quint32 seed = 99;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            seed = seed * 1664525u + 1013904223u;
            image.setPixel(x, y, qRgb(seed >> 24, seed >> 24, seed >> 24));
        }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 90);
    return bytes;
}

// The generator ends with success but one image is not whole: Qt's decoder would paint the
// missing part grey, and that label would print an unreadable QR.
TEST(GeraQrCode, AnImageThatDoesNotLoadWholeIsAFailedGeneration)
{
    QTemporaryDir dir;
    const QByteArray whole = noisyJpeg();
    struct Case {
        const char* name;
        QByteArray c2;  // what the generator leaves as C2's image
        bool result;
    };
    const Case cases[] = {
        {"half of it", whole.left(whole.size() / 2), false},
        {"all but its end marker", whole.left(whole.size() - 2), false},
        {"all but its last hundred bytes", whole.left(whole.size() - 100), false},
        {"its headers only", whole.left(600), false},
        {"whole", whole, true},
        {"whole, with bytes after its end", whole + QByteArray(16, '\0'), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString c2 = dir.path() + QStringLiteral("/c2.jpg");
        QFile::remove(c2);
        QFile out(c2);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(c.c2);
        out.close();
        QrFixture fx(FakeJava::writesOnly({"C1"}) + QStringLiteral("cp '%1' tmp/C2.jpg\nexit 0").arg(c2));
        fillCarton(fx.ws.form, kMaster, {kMaster + QStringLiteral("|C1|1/2"), kMaster + QStringLiteral("|C2|2/2")}, 1, 2);
        EXPECT_EQ(fx.run(), c.result);
        EXPECT_EQ(fx.java.calls().size(), 1);
    }
}

// In an order with the department column an image already in tmp spares the generator only
// when it loads whole: one cut short is made again.
TEST(GeraQrCode, DepartmentOrderMakesAnImageCutShortAgain)
{
    const QByteArray whole = noisyJpeg();
    QrFixture fx(FakeJava::writesAll());
    fx.ws.form.tem_departamento = true;
    fillCarton(fx.ws.form, kMaster, {kMaster + QStringLiteral("|C1|1/2"), kMaster + QStringLiteral("|C2|2/2")}, 1, 2);
    fx.keepImage(QStringLiteral("C1"));
    fx.ws.writeBytes(QStringLiteral("tmp/C2.jpg"), whole.left(whole.size() - 100));

    EXPECT_TRUE(fx.run());
    EXPECT_EQ(fx.java.calls().size(), 1);
}

// Volume 3 of four has no usable code. Only the volumes chosen must have theirs; the request asks
// for every usable code of the carton, in volume order.
TEST(GeraQrCode, OnlyTheChosenVolumesMustHaveAUsableCode)
{
    struct Case {
        int first, last;
        bool started;
        bool result;
    };
    const Case cases[] = {
        {1, 2, true, true},
        {4, 4, true, true},
        {3, 3, false, false},
        {2, 4, false, false},
    };
    for (const QString& code3 : {QString(), QStringLiteral("a/b")}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(QStringLiteral("%1 to %2, volume 3 \"%3\"").arg(c.first).arg(c.last).arg(code3).toStdString());
            QrFixture fx(FakeJava::writesAll());
            fillCarton(fx.ws.form, kMaster,
                       {kMaster + QStringLiteral("|C4|4/4"), kMaster + QStringLiteral("|C1|1/4"),
                        kMaster + QStringLiteral("|") + code3 + QStringLiteral("|3/4"),
                        kMaster + QStringLiteral("|C2|2/4")},
                       1, 4);
            QrTurn vez(fx.ws.files);
            EXPECT_EQ(Gera_QrCode(fx.ws.program, vez, FaixaVolumes{c.first, c.last}), c.result);
            EXPECT_EQ(fx.java.calls().size(), c.started ? 1 : 0);
            if (c.started) {
                EXPECT_EQ(fx.requested(), (QStringList{"C1", "C2", "C4"}));
            }
        }
    }
}

}  // namespace
