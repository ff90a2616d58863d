// Two copies of the program sharing one program folder: their saves of the settings file take
// turns, so none undoes another, and a save that cannot have its turn says so.
#include "platform/filesystem.h"
#include "platform/profilefile.h"
#include "tests/common/secondcopy.h"
#include "tests/common/testworkstation.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

const QByteArray kOld = "[Impressora]\r\nJava=/usr/bin\r\nPath=/pedidos\r\n[MargemOcultaZebra]\r\nPackX=2,2\r\n";
const QString kBusy = QStringLiteral("outro programa está gravando este arquivo; tente de novo em instantes");

// The key names the file's section "Teste" holds, read straight from its lines.
QSet<QString> savedKeys(const QByteArray& file)
{
    QSet<QString> keys;
    bool inside = false;
    for (const QByteArray& line : file.split('\n')) {
        const QByteArray l = line.trimmed();
        if (l.startsWith('['))
            inside = l == "[Teste]";
        else if (inside && l.contains('='))
            keys.insert(QString::fromLatin1(l.left(l.indexOf('='))));
    }
    return keys;
}

QStringList savesInProgress(const QString& folder)
{
    return QDir(folder).entryList({QStringLiteral("*.gravando-*")}, QDir::Files | QDir::Hidden);
}

}  // namespace

// Two copies save keys of their own one by one, as fast as they can, until they are killed.
// Every save either copy reported done is in the file, and so is what was there before.
TEST(SharedFolderTest, EverySaveTwoCopiesReportDoneIsInTheFile)
{
    constexpr int kEach = 150;
    TestWorkstation t;
    t.writeBytes(QStringLiteral("Pendrova.ini"), kOld);
    struct Saver {
        std::unique_ptr<SecondCopy> copy;
        int done = 0;
    } savers[] = {
        {std::make_unique<SecondCopy>(QStringList{QStringLiteral("salva"), t.folder(), QStringLiteral("A"),
                                                  QStringLiteral("100000")})},
        {std::make_unique<SecondCopy>(QStringList{QStringLiteral("salva"), t.folder(), QStringLiteral("B"),
                                                  QStringLiteral("100000")})},
    };
    QStringList reportedDone, refused;
    for (bool more = true; more;) {
        more = false;
        for (Saver& s : savers) {
            if (s.done >= kEach)
                continue;
            const QString line = s.copy->nextLine();
            ASSERT_FALSE(line.isEmpty()) << "a saver ended early";
            if (line.startsWith(QStringLiteral("gravou "))) {
                reportedDone << line.mid(7);
                ++s.done;
            } else {
                refused << line;
            }
            more = more || s.done < kEach;
        }
    }
    for (Saver& s : savers)
        s.copy->kill();

    const QByteArray file = t.readBytes(QStringLiteral("Pendrova.ini"));
    const QSet<QString> inFile = savedKeys(file);
    QStringList lost;
    for (const QString& key : reportedDone)
        if (!inFile.contains(key))
            lost << key;
    EXPECT_TRUE(lost.isEmpty()) << lost.size() << " of " << reportedDone.size()
                                << " saves reported done are missing: " << lost.join(u' ').toStdString();
    EXPECT_TRUE(file.startsWith(kOld.left(kOld.indexOf("[MargemOcultaZebra]")))) << file.left(200).toStdString();
    EXPECT_TRUE(file.contains("PackX=2,2\r\n"));
    // A save may be refused when its turn does not come; then it says why.
    for (const QString& line : refused)
        EXPECT_TRUE(line.endsWith(QStringLiteral(": ") + kBusy)) << line.toStdString();
}

// While another process keeps the folder, a save waits its bounded time and then is refused
// whole, saying why; the file stays as it was. Once the folder is free the same save goes in.
TEST(SharedFolderTest, ASaveThatNeverGetsItsTurnIsRefusedAndSaysWhy)
{
    TestWorkstation t;
    t.files.setSaveLockWait(std::chrono::milliseconds(200));
    t.writeBytes(QStringLiteral("Pendrova.ini"), kOld);
    const QString ini = t.path(QStringLiteral("Pendrova.ini"));
    const std::vector<ProfileFile::Change> changes[] = {
        {{QStringLiteral("Impressora"), QStringLiteral("Java"), QStringLiteral("/opt/java/bin")}},
        {{QStringLiteral("Config"), QStringLiteral("arquivo"), QStringLiteral("1400050831")},
         {QStringLiteral("MargemOcultaZebra"), QStringLiteral("PackX"), QStringLiteral("3")},
         {QStringLiteral("Impressora"), QStringLiteral("Path"), std::nullopt}},
    };

    // The other process's lock, taken the way any program takes it.
    const int other = ::open(QFile::encodeName(t.folder()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_GE(other, 0);
    ASSERT_EQ(::flock(other, LOCK_EX), 0);
    for (const auto& c : changes) {
        SCOPED_TRACE(c.size());
        const WriteResult r = t.profile.write(ini, c);
        EXPECT_FALSE(r);
        EXPECT_EQ(r.file, ini);
        EXPECT_EQ(r.reason, kBusy);
        EXPECT_EQ(t.readBytes(QStringLiteral("Pendrova.ini")), kOld);
        EXPECT_EQ(savesInProgress(t.folder()), QStringList());
    }
    ::close(other);

    for (const auto& c : changes)
        EXPECT_TRUE(t.profile.write(ini, c)) << c.size();
    EXPECT_EQ(t.readBytes(QStringLiteral("Pendrova.ini")),
              QByteArray("[Impressora]\r\nJava=/opt/java/bin\r\n[MargemOcultaZebra]\r\nPackX=3\r\n"
                         "[Config]\r\narquivo=1400050831\r\n"));
}

// The new file of a save removed before it could take the old one's place, by a program that
// does not respect saves in progress: the save fails naming that, not a missing folder.
TEST(SharedFolderTest, ASaveWhoseNewFileWasRemovedSaysSo)
{
    TestWorkstation t;
    t.writeBytes(QStringLiteral("Pendrova.ini"), kOld);
    const QString folder = t.folder();
    t.files.setWriteFault(FileSystem::WriteFault{20, 0, [&](qint64) {
                                                    for (const QString& e : savesInProgress(folder))
                                                        QFile::remove(folder + u'/' + e);
                                                }});
    const WriteResult r = t.profile.write(t.path(QStringLiteral("Pendrova.ini")), QStringLiteral("Impressora"),
                                          QStringLiteral("Java"), QStringLiteral("/opt/java/bin"));
    EXPECT_FALSE(r);
    EXPECT_EQ(r.reason, QStringLiteral("o arquivo temporário da gravação foi apagado por outro programa"));
    EXPECT_EQ(t.readBytes(QStringLiteral("Pendrova.ini")), kOld);
    EXPECT_EQ(savesInProgress(folder), QStringList());
}
