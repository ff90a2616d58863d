// Two copies of the program sharing one program folder: their saves of the settings file take
// turns, so none undoes another, and a save that cannot have its turn says so.
#include "platform/filesystem.h"
#include "platform/profilefile.h"
#include "tests/common/lockingprogram.h"
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

namespace {

// A settings file whose values a write may find already standing: blanks around names and "=",
// a quoted value, a duplicate key, a duplicate section, a character the code page lacks (stored
// as "?"), LF line ends in part.
const QByteArray kStanding = "; gravado por outra cópia\r\n[Config]\r\n  arquivo = 1400050831\r\nReferencia=\"Loja 4  \"\r\n"
                             "Lote=2\r\nLote=3\r\n[ Impressora ]\nJava=/usr/bin\nRotulo=?\n[Config]\r\nTipo=Oculta\r\n";

struct WriteCase {
    const char* name;
    QString file;
    std::vector<ProfileFile::Change> changes;
};

ProfileFile::Change key(const char* section, const char* key, const std::optional<QString>& value)
{
    return {QString::fromUtf8(section), QString::fromUtf8(key), value};
}

}  // namespace

// A write whose every value already stands in the file takes no turn on the folder: while
// another process holds the folder's lock it succeeds at once, without a wait, and leaves the
// file byte for byte as it was. The lock wait is 0 here, so a write that tried the lock would be
// refused.
TEST(SharedFolderTest, AWriteThatChangesNothingTakesNoTurn)
{
    const QString ini = QStringLiteral("Pendrova.ini");
    const WriteCase cases[] = {
        {"the same value, blanks around the name", ini, {key("Config", "arquivo", QStringLiteral("1400050831"))}},
        {"names in another letter case", ini, {key("CONFIG", "ARQUIVO", QStringLiteral("1400050831"))}},
        {"a section written with blanks in its brackets", ini, {key("impressora", "java", QStringLiteral("/usr/bin"))}},
        {"blanks kept by quotes", ini, {key("Config", "Referencia", QStringLiteral("Loja 4  "))}},
        {"the first of two equal keys", ini, {key("Config", "Lote", QStringLiteral("2"))}},
        {"a character the file stores as ?", ini, {key("Impressora", "Rotulo", QStringLiteral("\u4E2D"))}},
        {"a key deleted that is not there", ini, {key("Config", "Nada", std::nullopt)}},
        {"a section deleted that is not there", ini, {{QStringLiteral("Nenhuma"), std::nullopt, std::nullopt}}},
        {"a key deleted in a file that is not there", QStringLiteral("Outro.ini"), {key("Config", "arquivo", std::nullopt)}},
        {"several keys, all standing",
         ini,
         {key("Config", "arquivo", QStringLiteral("1400050831")), key("Config", "Lote", QStringLiteral("2")),
          key("Impressora", "Java", QStringLiteral("/usr/bin"))}},
    };
    TestWorkstation t;
    t.files.setSaveLockWait(std::chrono::milliseconds(0));
    t.writeBytes(ini, kStanding);
    LockingProgram other(t.folder());
    ASSERT_TRUE(other.held());
    for (const WriteCase& c : cases) {
        SCOPED_TRACE(c.name);
        const WriteResult r = t.profile.write(t.path(c.file), c.changes);
        EXPECT_TRUE(r) << r.reason.toStdString();
        EXPECT_EQ(t.readBytes(ini), kStanding);
        EXPECT_FALSE(t.exists(QStringLiteral("Outro.ini")));
        EXPECT_EQ(savesInProgress(t.folder()), QStringList());
    }
}

// A write that changes anything, however small, still takes its turn: while another process
// holds the folder it is refused and says why, and the file stays as it was; once the folder is
// free it goes in.
TEST(SharedFolderTest, AWriteThatChangesAnythingStillTakesItsTurn)
{
    const QString ini = QStringLiteral("Pendrova.ini");
    const WriteCase cases[] = {
        {"another value", ini, {key("Config", "arquivo", QStringLiteral("1400050832"))}},
        {"a value in another letter case", ini, {key("Impressora", "Java", QStringLiteral("/USR/BIN"))}},
        {"the value of the second of two equal keys", ini, {key("Config", "Lote", QStringLiteral("3"))}},
        {"a key only a second section of the name holds", ini, {key("Config", "Tipo", QStringLiteral("Oculta"))}},
        {"the quoted value without its blanks", ini, {key("Config", "Referencia", QStringLiteral("Loja 4"))}},
        {"a value given blanks around it", ini, {key("Config", "Lote", QStringLiteral(" 2"))}},
        {"an empty value", ini, {key("Config", "Lote", QString())}},
        {"a missing key", ini, {key("Config", "Novo", QStringLiteral("1"))}},
        {"a missing section", ini, {key("Margens", "X", QStringLiteral("1"))}},
        {"a missing file", QStringLiteral("Outro.ini"), {key("Config", "arquivo", QStringLiteral("1400050831"))}},
        {"a key deleted", ini, {key("Config", "Lote", std::nullopt)}},
        {"a section deleted", ini, {{QStringLiteral("Impressora"), std::nullopt, std::nullopt}}},
        {"one change among standing values",
         ini,
         {key("Config", "arquivo", QStringLiteral("1400050831")), key("Config", "Lote", QStringLiteral("9"))}},
    };
    for (const WriteCase& c : cases) {
        SCOPED_TRACE(c.name);
        TestWorkstation t;
        t.files.setSaveLockWait(std::chrono::milliseconds(0));
        t.writeBytes(ini, kStanding);
        {
            LockingProgram other(t.folder());
            ASSERT_TRUE(other.held());
            const WriteResult r = t.profile.write(t.path(c.file), c.changes);
            EXPECT_FALSE(r);
            EXPECT_EQ(r.reason, kBusy);
            EXPECT_EQ(t.readBytes(ini), kStanding);
            EXPECT_FALSE(t.exists(QStringLiteral("Outro.ini")));
        }
        EXPECT_TRUE(t.profile.write(t.path(c.file), c.changes));
        EXPECT_TRUE(t.readBytes(ini) != kStanding || t.exists(QStringLiteral("Outro.ini")));
    }
}
