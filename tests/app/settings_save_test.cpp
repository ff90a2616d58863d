// The window's own saves of the settings file when the disk fails them, and what a killed save
// leaves for the next start.
#include "app/startup.h"
#include "app/windowcommands.h"
#include "tests/common/smalldisk.h"
#include "tests/common/testworkstation.h"

#include <QDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/wait.h>

namespace {

const QByteArray kSaved = "[Config]\r\nReferencia=Loja 4\r\narquivo=1400050831\r\nLote=2\r\n"
                          "[Impressora]\r\nNomeCompartilhamento=Zebra\r\nJava=/usr/bin\r\nTipoOculta=3\r\n";

}  // namespace

TEST(SettingsSaveTest, SairOnAFullDiskTellsOnceKeepsTheFileAndStillEnds)
{
    TestWorkstation t;
    SmallDisk disk(t.folder(), t.files, 64);
    t.writeBytes(QStringLiteral("Pendrova.ini"), kSaved);
    t.form.txtcliente.text = QStringLiteral("Loja 5");
    t.form.txtarquivo.text = QStringLiteral("1400050832");
    disk.fill();
    bool ended = false;
    MainWindowEvents events;
    events.endProgram = [&] { ended = true; };
    cmd_sair_Click(t.program, events);
    EXPECT_TRUE(ended);
    EXPECT_EQ(t.readBytes(QStringLiteral("Pendrova.ini")), kSaved);
    EXPECT_EQ(t.messages.texts(), QStringList{QStringLiteral("Não foi possível gravar o arquivo ") +
                                              t.path(QStringLiteral("Pendrova.ini")) +
                                              QStringLiteral(": não há espaço livre no disco.")});
}

// A save of "&Sair" killed half-way (the process ended while the new file was being written):
// the old file is whole, and the next start removes the half-written temporary file and reads
// the old values.
TEST(SettingsSaveTest, TheNextStartRemovesWhatAKilledSaveLeft)
{
    TestWorkstation t;
    t.writeBytes(QStringLiteral("Pendrova.ini"), kSaved);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        t.files.setWriteFault(FileSystem::WriteFault{40, EIO, [](qint64) { ::raise(SIGKILL); }});
        t.form.txtarquivo.text = QStringLiteral("1400099999");
        cmd_sair_Click(t.program, MainWindowEvents{});
        ::_exit(0);  // not reached
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
    const QStringList left = QDir(t.folder()).entryList({QStringLiteral("*.gravando-*")}, QDir::Files | QDir::Hidden);
    ASSERT_EQ(left.size(), 1);
    EXPECT_EQ(t.readBytes(QStringLiteral("Pendrova.ini")), kSaved);

    Form_Load(t.program);
    EXPECT_EQ(QDir(t.folder()).entryList({QStringLiteral("*.gravando-*")}, QDir::Files | QDir::Hidden), QStringList());
    EXPECT_EQ(t.readBytes(QStringLiteral("Pendrova.ini")), kSaved);
    EXPECT_EQ(t.form.txtarquivo.text, QStringLiteral("1400050831"));
    EXPECT_EQ(t.form.txtcliente.text, QStringLiteral("Loja 4"));
}
