#include "platform/processes.h"

#include "platform/besidethewindow.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QThread>
#include <map>
#include <vector>

#ifdef Q_OS_UNIX
#include <signal.h>
#include <unistd.h>
#endif

struct QtProcesses::Running {
    std::map<Id, std::unique_ptr<QProcess>> byId;
};

QtProcesses::QtProcesses() : running_(std::make_unique<Running>()) {}

QtProcesses::~QtProcesses()
{
    std::vector<Id> ids;
    for (const auto& entry : running_->byId)
        ids.push_back(entry.first);
    for (Id id : ids)
        end(id);
}

std::optional<Processes::Id> QtProcesses::start(const QString& program, const QStringList& arguments,
                                                const QString& workingFolder)
{
    auto process = std::make_unique<QProcess>();
    process->setProgram(program);
    process->setArguments(arguments);
    process->setWorkingDirectory(workingFolder);
    // Nobody reads the output, so a chatty child must never block on a full pipe.
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    // File names pass between us and the child in UTF-8: a child started from a plain "C" locale
    // would spell the image of a code such as "AÇ1" otherwise.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const QString ctype = !environment.value(QStringLiteral("LC_ALL")).isEmpty() ? environment.value(QStringLiteral("LC_ALL"))
                          : !environment.value(QStringLiteral("LC_CTYPE")).isEmpty()
                              ? environment.value(QStringLiteral("LC_CTYPE"))
                              : environment.value(QStringLiteral("LANG"));
    if (!ctype.contains(QStringLiteral("UTF-8"), Qt::CaseInsensitive) &&
        !ctype.contains(QStringLiteral("utf8"), Qt::CaseInsensitive))
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    process->setProcessEnvironment(environment);
#ifdef Q_OS_UNIX
    // A group of its own, so that ending a hung program also ends what it started.
    process->setChildProcessModifier([] { ::setpgid(0, 0); });
#endif
    process->start();
    if (!process->waitForStarted())
        return std::nullopt;
    const Id id = process->processId();
    running_->byId[id] = std::move(process);
    return id;
}

Processes::Wait QtProcesses::wait(Id id, std::chrono::milliseconds timeout)
{
    const auto it = running_->byId.find(id);
    if (it == running_->byId.end())
        return Wait::Unknown;
    QProcess& process = *it->second;
    // On the window's thread the process's end arrives through the event loop the wait runs.
    const bool byTheLoop = beside::onWindowThread() && process.thread() == QThread::currentThread();
    const bool ended = process.state() == QProcess::NotRunning ||
                       (byTheLoop ? beside::waitUntil([&] { return process.state() == QProcess::NotRunning; }, timeout)
                                  : process.waitForFinished(static_cast<int>(timeout.count())));
    if (!ended && process.state() != QProcess::NotRunning)
        return Wait::TimedOut;
#ifdef Q_OS_UNIX
    // What the program started and left running ends with it: its group outlives it only
    // through such children. The group's number stays taken while any of them lives.
    ::kill(-static_cast<pid_t>(id), SIGKILL);
#endif
    const bool ok = process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    running_->byId.erase(it);
    return ok ? Wait::Ended : Wait::Failed;
}

void QtProcesses::end(Id id)
{
    const auto it = running_->byId.find(id);
    if (it == running_->byId.end())
        return;
    QProcess& process = *it->second;
    if (process.state() != QProcess::NotRunning) {
#ifdef Q_OS_UNIX
        ::kill(-static_cast<pid_t>(id), SIGKILL);
#endif
        process.kill();
        process.waitForFinished(5000);
    }
    running_->byId.erase(it);
}

void QtProcesses::sleep(std::chrono::milliseconds pause)
{
    beside::waitUntil([] { return false; }, pause);
}
