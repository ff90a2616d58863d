#include "platform/processes.h"
#include "tests/common/processended.h"
#include "tests/common/testworkstation.h"

#include <QFile>
#include <QThread>
#include <gtest/gtest.h>
#include <signal.h>

using namespace std::chrono_literals;

namespace {

// Runs a small script in the program folder and answers what it wrote into "out.txt".
QString runScript(TestWorkstation& t, const QString& body)
{
    t.write(QStringLiteral("run.sh"), QStringLiteral("#!/bin/sh\n") + body + u'\n');
    QFile::setPermissions(t.path(QStringLiteral("run.sh")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QtProcesses processes;
    const auto id = processes.start(t.path(QStringLiteral("run.sh")), {QStringLiteral("um"), QStringLiteral("dois três")},
                                    t.folder());
    EXPECT_TRUE(id.has_value());
    if (!id)
        return {};
    EXPECT_EQ(processes.wait(*id, 30s), Processes::Wait::Ended);
    return QString::fromUtf8(t.readBytes(QStringLiteral("out.txt"))).trimmed();
}

}  // namespace

TEST(QtProcessesTest, ArgumentsAndWorkingFolderReachTheProgramAsGiven)
{
    TestWorkstation t;
    EXPECT_EQ(runScript(t, QStringLiteral("printf '%s|%s|%s' \"$1\" \"$2\" \"$(pwd)\" > out.txt")),
              QStringLiteral("um|dois três|") + t.folder());
}

TEST(QtProcessesTest, TheChildNamesFilesInUtf8WhateverOurLocale)
{
    TestWorkstation t;
    const QByteArray before = qgetenv("LC_ALL");
    qputenv("LC_ALL", "C");
    const QString charmap = runScript(t, QStringLiteral("locale charmap > out.txt"));
    if (before.isEmpty())
        qunsetenv("LC_ALL");
    else
        qputenv("LC_ALL", before);
    EXPECT_EQ(charmap, QStringLiteral("UTF-8"));
}

TEST(QtProcessesTest, WhatAProgramLeavesRunningEndsWithIt)
{
    TestWorkstation t;
    t.write(QStringLiteral("run.sh"), QStringLiteral("#!/bin/sh\nsleep 300 &\necho $! > child.pid\nexit 0\n"));
    QFile::setPermissions(t.path(QStringLiteral("run.sh")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QtProcesses processes;
    const auto id = processes.start(t.path(QStringLiteral("run.sh")), {}, t.folder());
    ASSERT_TRUE(id.has_value());
    EXPECT_EQ(processes.wait(*id, 30s), Processes::Wait::Ended);
    const pid_t child = t.readBytes(QStringLiteral("child.pid")).trimmed().toInt();
    ASSERT_GT(child, 0);
    const bool gone = processEnded(child);
    if (!gone)
        ::kill(child, SIGKILL);
    EXPECT_TRUE(gone) << "the program's own child outlived it";
}

TEST(QtProcessesTest, OnlyASuccessStatusIsAnEndWithoutFailure)
{
    const struct {
        const char* name;
        const char* body;
        Processes::Wait want;
    } cases[] = {
        {"exit 0", "exit 0", Processes::Wait::Ended},
        {"exit 1", "exit 1", Processes::Wait::Failed},
        {"exit 255", "exit 255", Processes::Wait::Failed},
        {"killed by a signal", "kill -9 $$", Processes::Wait::Failed},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TestWorkstation t;
        t.write(QStringLiteral("run.sh"), QStringLiteral("#!/bin/sh\n") + QString::fromLatin1(c.body) + u'\n');
        QFile::setPermissions(t.path(QStringLiteral("run.sh")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QtProcesses processes;
        const auto id = processes.start(t.path(QStringLiteral("run.sh")), {}, t.folder());
        ASSERT_TRUE(id.has_value());
        EXPECT_EQ(processes.wait(*id, 30s), c.want);
        EXPECT_EQ(processes.wait(*id, 30s), Processes::Wait::Unknown) << "an ended process is forgotten";
    }
}
