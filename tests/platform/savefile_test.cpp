#include "platform/filesystem.h"
#include "platform/profilefile.h"
#include "tests/common/smalldisk.h"
#include "tests/common/testworkstation.h"

#include <QDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

namespace {

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

const QByteArray kOld = "[Impressora]\r\nJava=/usr/bin\r\nPath=/pedidos\r\n[MargemOcultaZebra]\r\nPackX=2,2\r\n";

}  // namespace

// Every way a save can fail leaves the old file byte for byte and no temporary file, and says why.
TEST(SaveFileTest, AFailedSaveLeavesTheOldFileWhole)
{
    struct {
        const char* name;
        void (*fault)(SmallDisk&);
        const char* reason;
    } rows[] = {
        {"full disk", [](SmallDisk& d) { d.fill(); }, "não há espaço livre no disco"},
        {"read-only disk", [](SmallDisk& d) { d.readOnly(); }, "o disco só permite leitura"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        TestWorkstation t;
        SmallDisk disk(t.folder(), t.files, 64);
        ASSERT_TRUE(t.files.writeBytes(QStringLiteral("Pendrova.ini"), kOld));
        r.fault(disk);
        const QStringList filled = entries(t.folder());

        const WriteResult w = t.files.writeBytes(QStringLiteral("pendrova.INI"), kOld + QByteArray(8192, 'n'));
        EXPECT_FALSE(w);
        EXPECT_EQ(w.file, t.path(QStringLiteral("Pendrova.ini")));
        EXPECT_EQ(w.reason, QString::fromUtf8(r.reason));
        // Through the profile file too, which the settings writers use.
        const WriteResult p = t.profile.write(t.path(QStringLiteral("Pendrova.ini")), QStringLiteral("Impressora"),
                                              QStringLiteral("Java"), QStringLiteral("/opt/java/bin"));
        EXPECT_FALSE(p);
        EXPECT_EQ(p.reason, QString::fromUtf8(r.reason));

        EXPECT_EQ(t.readBytes(QStringLiteral("Pendrova.ini")), kOld);
        EXPECT_EQ(entries(t.folder()), filled);
    }
}

TEST(SaveFileTest, NamesThatCannotBeWrittenSayWhy)
{
    TestWorkstation t;
    QDir(t.folder()).mkdir(QStringLiteral("epltemp.prn"));
    struct {
        const char* name;
        const char* reason;
    } rows[] = {
        {"epltemp.prn", "existe uma pasta com esse nome"},
        {"nao/existe/qr.xml", "a pasta não existe"},
    };
    for (const auto& r : rows) {
        const WriteResult w = t.files.writeBytes(QString::fromUtf8(r.name), "x");
        EXPECT_FALSE(w) << r.name;
        EXPECT_EQ(w.reason, QString::fromUtf8(r.reason)) << r.name;
    }
    EXPECT_EQ(entries(t.folder()), QStringList());
}

TEST(SaveFileTest, AWriteKeepsThePermissionsOfTheFileItReplaces)
{
    TestWorkstation t;
    t.writeBytes(QStringLiteral("IMPRIMIR.BAT"), "type epltemp.prn > LPT1\r\n");
    QFile::setPermissions(t.path(QStringLiteral("IMPRIMIR.BAT")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    ASSERT_TRUE(t.files.writeBytes(QStringLiteral("imprimir.bat"), "type epltemp.prn > LPT2\r\n"));
    EXPECT_EQ(t.readBytes(QStringLiteral("IMPRIMIR.BAT")), QByteArray("type epltemp.prn > LPT2\r\n"));
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(t.path(QStringLiteral("IMPRIMIR.BAT"))).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

// A save killed half-way leaves its temporary file beside the old one, which stays whole; the
// next start removes the leftover and nothing else.
TEST(SaveFileTest, WhatAKilledSaveLeftIsRemovedAndTheOldFileStays)
{
    TestWorkstation t;
    t.writeBytes(QStringLiteral("Pendrova.ini"), kOld);
    t.writeBytes(QStringLiteral("tmp/qr.xml"), "<qr/>");
    t.writeBytes(QStringLiteral("pedido.gravando.txt"), "1;2");

    for (const QString& name : {QStringLiteral("Pendrova.ini"), QStringLiteral("tmp/qr.xml")}) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            t.files.setWriteFault(FileSystem::WriteFault{100, EIO, [](qint64) { ::raise(SIGKILL); }});
            (void)t.files.writeBytes(name, QByteArray(4096, 'n'));
            ::_exit(0);  // not reached: the save was killed
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << name.toStdString();
    }
    const QStringList left = entries(t.folder()).filter(QStringLiteral(".gravando-")) +
                             entries(t.path(QStringLiteral("tmp"))).filter(QStringLiteral(".gravando-"));
    ASSERT_EQ(left.size(), 2) << left.join(u' ').toStdString();
    EXPECT_EQ(QFileInfo(t.folder() + u'/' + left[0]).size(), 100);

    t.files.removeSaveLeftovers(t.folder());
    t.files.removeSaveLeftovers(QStringLiteral("tmp"));
    EXPECT_EQ(entries(t.folder()), (QStringList{"Pendrova.ini", "pedido.gravando.txt"}));
    EXPECT_EQ(entries(t.path(QStringLiteral("tmp"))), QStringList{"qr.xml"});
    EXPECT_EQ(t.readBytes(QStringLiteral("Pendrova.ini")), kOld);
}
