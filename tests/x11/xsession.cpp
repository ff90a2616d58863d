#include "tests/x11/xsession.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

// Forks and runs the program with its output silenced; extraFd stays open in the child.
pid_t spawn(const QString& program, const QStringList& arguments, int extraFd = -1)
{
    const QByteArray path = QStandardPaths::findExecutable(program).toLocal8Bit();
    if (path.isEmpty())
        return -1;
    std::vector<QByteArray> args{path};
    for (const QString& a : arguments)
        args.push_back(a.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    const pid_t pid = fork();
    if (pid != 0)
        return pid;
    const int null = open("/dev/null", O_RDWR);
    dup2(null, STDIN_FILENO);
    dup2(null, STDOUT_FILENO);
    dup2(null, STDERR_FILENO);
    for (int fd = 3; fd < 1024; ++fd)
        if (fd != extraFd)
            close(fd);
    // Gone with the test, also when the test dies.
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    execv(argv[0], argv.data());
    _exit(127);
}

// Set on the root window by the manager's start-up command.
constexpr const char* kReadyMark = "_XSESSION_MANAGER_READY";

void terminate(pid_t& pid)
{
    if (pid <= 0)
        return;
    kill(pid, SIGTERM);
    for (int i = 0; i < 100; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            pid = 0;
            return;
        }
        usleep(20000);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    pid = 0;
}

}  // namespace

bool haveTool(const QString& program) { return !QStandardPaths::findExecutable(program).isEmpty(); }

QString runTool(const QString& program, const QStringList& arguments, int* exitCode)
{
    QProcess p;
    p.start(program, arguments);
    p.waitForFinished(10000);
    if (exitCode)
        *exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

XSession::~XSession() { stop(); }

bool XSession::startServer(QString* error)
{
    for (const char* tool : {"Xvfb", "openbox", "xdotool", "xprop"})
        if (!haveTool(QString::fromLatin1(tool))) {
            *error = QStringLiteral("%1 is missing").arg(QString::fromLatin1(tool));
            return false;
        }
    int fds[2];
    if (pipe(fds) != 0) {
        *error = QStringLiteral("no pipe");
        return false;
    }
    server_ = spawn(QStringLiteral("Xvfb"),
                    {QStringLiteral("-displayfd"), QString::number(fds[1]), QStringLiteral("-screen"), QStringLiteral("0"),
                     QStringLiteral("1024x768x24"), QStringLiteral("-nolisten"), QStringLiteral("tcp")},
                    fds[1]);
    close(fds[1]);
    // The server writes its display number once it accepts clients.
    QByteArray number;
    pollfd wait{fds[0], POLLIN, 0};
    while (!number.contains('\n') && poll(&wait, 1, 10000) > 0) {
        char buffer[16];
        const ssize_t n = read(fds[0], buffer, sizeof buffer);
        if (n <= 0)
            break;
        number.append(buffer, n);
    }
    close(fds[0]);
    if (server_ <= 0 || !number.contains('\n')) {
        *error = QStringLiteral("Xvfb did not start");
        return false;
    }
    display_ = u':' + QString::fromLatin1(number.trimmed());
    setenv("DISPLAY", display_.toLocal8Bit().constData(), 1);
    return true;
}

bool XSession::startWindowManager(QString* error)
{
    // openbox names its check window early in its start-up, but the events that reach it before
    // its main loop runs can wait unread until some later event wakes that loop: a window mapped
    // meanwhile is never managed, so never framed nor made active. Its start-up command runs once
    // it has taken the windows already there, just before the loop; the mark the command sets on
    // the root window says the manager is ready, and is an event that wakes the loop as well.
    manager_ = spawn(QStringLiteral("openbox"), {QStringLiteral("--sm-disable"), QStringLiteral("--startup"),
                                                 QStringLiteral("xprop -root -f %1 8s -set %1 yes").arg(QLatin1String(kReadyMark))});
    QElapsedTimer clock;
    clock.start();
    while (manager_ > 0 && clock.elapsed() < 30000) {
        if (runTool(QStringLiteral("xprop"), {QStringLiteral("-root"), QLatin1String(kReadyMark)})
                .contains(QStringLiteral("\"yes\"")))
            return true;
        if (waitpid(manager_, nullptr, WNOHANG) == manager_) {
            manager_ = 0;
            break;
        }
        QThread::msleep(20);
    }
    *error = QStringLiteral("openbox did not start");
    return false;
}

void XSession::stop()
{
    terminate(manager_);
    terminate(server_);
}
