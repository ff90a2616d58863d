#include "platform/rawsender.h"

#include "platform/filesystem.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <cstdio>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

bool isPlainName(const QString& name)
{
    if (name.isEmpty())
        return false;
    for (const QChar c : name)
        if (!(c.isLetterOrNumber() || c == u'_' || c == u'-' || c == u'.' || c == u'$'))
            return false;
    return name != u"." && name != u"..";
}

namespace {

// Only blanks separate the words of our lines; the port name may carry blanks of its own before
// its colon, and may be empty.
const QRegularExpression kDelete(QStringLiteral(R"(^ *net +use +(.*?) *: +/delete *$)"),
                                 QRegularExpression::CaseInsensitiveOption);
const QRegularExpression kMap(QStringLiteral(R"(^ *net +use +(.*?) *: +\\\\127\.0\.0\.1\\(\S*) +/yes *$)"),
                              QRegularExpression::CaseInsensitiveOption);
const QRegularExpression kType(QStringLiteral(R"(^ *type +(\S+) +>(.*)$)"), QRegularExpression::CaseInsensitiveOption);

bool plainOrEmpty(const QString& name) { return name.isEmpty() || isPlainName(name); }

QString seconds(std::chrono::milliseconds wait)
{
    const auto s = std::chrono::duration_cast<std::chrono::duration<double>>(wait).count();
    return QString::number(s, 'g', 3).replace(u'.', u',');
}

}  // namespace

std::optional<BatchPlan> readBatchPlan(const QStringList& lines)
{
    QHash<QString, QString> mapped;
    std::optional<BatchPlan> plan;
    for (const QString& line : lines) {
        // A tab or control character is no shape of ours.
        for (const QChar c : line)
            if (c.unicode() < 0x20 || c.unicode() == 0x7F)
                return std::nullopt;
        if (line.trimmed().isEmpty())
            continue;
        if (const auto m = kDelete.match(line); m.hasMatch()) {
            const QString port = m.captured(1);
            if (!plainOrEmpty(port))
                return std::nullopt;
            mapped.remove(port.toUpper());
        } else if (const auto m = kMap.match(line); m.hasMatch()) {
            const QString port = m.captured(1);
            const QString share = m.captured(2);
            if (!plainOrEmpty(port) || !plainOrEmpty(share))
                return std::nullopt;
            // Without a port or a share the mapping fails and the port stays the machine's own.
            if (!port.isEmpty() && !share.isEmpty())
                mapped.insert(port.toUpper(), share);
        } else if (const auto m = kType.match(line); m.hasMatch()) {
            const QString spool = m.captured(1);
            const QString port = m.captured(2).trimmed();
            if (plan || !isPlainName(spool) || !plainOrEmpty(port))
                return std::nullopt;
            plan = BatchPlan{spool, port, port.isEmpty() ? QString() : mapped.value(port.toUpper())};
        } else {
            return std::nullopt;
        }
    }
    return plan;
}

BatchFileSender::BatchFileSender(QHash<QString, QString> ports, std::chrono::milliseconds deviceWait,
                                 std::chrono::milliseconds queueWait)
    : deviceWait_(deviceWait), queueWait_(queueWait)
{
    for (auto it = ports.cbegin(); it != ports.cend(); ++it)
        ports_.insert(it.key().toUpper(), it.value());
}

QHash<QString, QString> BatchFileSender::standardPorts()
{
    QHash<QString, QString> ports;
    for (int n = 1; n <= 5; ++n)
        ports.insert(QStringLiteral("LPT%1").arg(n), QStringLiteral("/dev/lp%1").arg(n - 1));
    return ports;
}

RawSender::Result BatchFileSender::send(const QString& batchFile, const QString& workingFolder)
{
    const Result r = carryOut(batchFile, workingFolder);
    const QString line = QFileInfo(batchFile).fileName() + (r.sent() ? QStringLiteral(": ") : QStringLiteral(": falhou: ")) +
                         r.detail + u'\n';
    std::fputs(line.toLocal8Bit().constData(), stderr);
    return r;
}

RawSender::Result BatchFileSender::carryOut(const QString& batchFile, const QString& workingFolder)
{
    const FileSystem folder(workingFolder);
    const QString batchName = QFileInfo(batchFile).fileName();
    const auto lines = folder.readLines(batchFile);
    if (!lines)
        return {Outcome::NoBatchFile, QStringLiteral("o arquivo %1 não foi encontrado").arg(batchName)};
    const auto plan = readBatchPlan(*lines);
    if (!plan)
        return {Outcome::Refused, QStringLiteral("o arquivo %1 tem linhas que o programa não escreve").arg(batchName)};
#ifdef Q_OS_WIN
    // The lines are known to be ours, so the command interpreter may run them.
    if (QProcess::startDetached(QStringLiteral("cmd.exe"), {QStringLiteral("/c"), folder.resolve(batchFile)},
                                workingFolder))
        return {Outcome::Sent, QStringLiteral("%1 iniciado").arg(batchName)};
    return {Outcome::Failed, QStringLiteral("o arquivo %1 não pôde ser iniciado").arg(batchName)};
#else
    if (plan->port.isEmpty())
        return {Outcome::Failed, QStringLiteral("o arquivo %1 não indica a porta da impressora").arg(batchName)};

    // The spool file is the one of the batch file's working folder, whatever the program's
    // current folder is, and only a plain file there: a link could hand any file to the printer.
    const QString spoolPath = folder.resolve(plan->spoolFile);
    const QString notPlain = QStringLiteral("o arquivo %1 não é um arquivo comum da pasta do programa").arg(plan->spoolFile);
    const QByteArray spoolName = FileSystem::encodeName(spoolPath);
    struct stat link {};
    if (::lstat(spoolName.constData(), &link) != 0)
        return {Outcome::Failed, QStringLiteral("o arquivo %1 não foi encontrado").arg(plan->spoolFile)};
    if (!S_ISREG(link.st_mode))
        return {Outcome::Failed, notPlain};
    const int fd = ::open(spoolName.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return {Outcome::Failed, QStringLiteral("o arquivo %1 não pode ser lido: %2")
                                     .arg(plan->spoolFile, FileSystem::reasonOf(errno))};
    QFile spool;
    struct stat opened {};
    const bool plain = ::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode);
    if (!plain || !spool.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        if (!spool.isOpen())
            ::close(fd);
        return {Outcome::Failed, notPlain};
    }
    const QByteArray bytes = spool.readAll();
    if (spool.error() != QFileDevice::NoError)
        return {Outcome::Failed, QStringLiteral("o arquivo %1 não pode ser lido").arg(plan->spoolFile)};
    spool.close();

    if (!plan->queue.isEmpty())
        return toQueue(plan->queue, plan->spoolFile, bytes);
    return toDevice(plan->port, bytes);
#endif
}

RawSender::Result BatchFileSender::toQueue(const QString& queue, const QString& spoolName, const QByteArray& bytes) const
{
    QProcess lp;
    lp.setProgram(QStringLiteral("lp"));
    lp.setArguments({QStringLiteral("-d"), queue, QStringLiteral("-o"), QStringLiteral("raw"), QStringLiteral("-t"),
                     spoolName});
    lp.start();
    if (!lp.waitForStarted(static_cast<int>(queueWait_.count())))
        return {Outcome::Failed, QStringLiteral("o programa lp não pôde ser iniciado")};
    lp.write(bytes);
    lp.closeWriteChannel();
    // lp only hands the job to the print spooler; waiting for it keeps the next job from
    // rewriting the spool file under it and tells us whether the queue took it.
    if (!lp.waitForFinished(static_cast<int>(queueWait_.count()))) {
        lp.kill();
        lp.waitForFinished(1000);
        return {Outcome::Failed,
                QStringLiteral("o programa lp não terminou em %1 segundos").arg(seconds(queueWait_))};
    }
    const QString said = QString::fromLocal8Bit(lp.readAllStandardError()).trimmed();
    const QString answered = QString::fromLocal8Bit(lp.readAllStandardOutput()).trimmed();
    if (lp.exitStatus() != QProcess::NormalExit || lp.exitCode() != 0) {
        const QString why = !said.isEmpty()      ? said
                            : !answered.isEmpty() ? answered
                            : lp.exitStatus() != QProcess::NormalExit
                                ? QStringLiteral("o programa lp parou sem terminar")
                                : QStringLiteral("o programa lp terminou com o código %1").arg(lp.exitCode());
        return {Outcome::Failed, QStringLiteral("a fila %1 não aceitou o trabalho: %2").arg(queue, why)};
    }
    return {Outcome::Sent, QStringLiteral("enviado para a fila %1").arg(queue) +
                               (answered.isEmpty() ? QString() : QStringLiteral(" (") + answered + u')')};
}

RawSender::Result BatchFileSender::toDevice(const QString& port, const QByteArray& bytes) const
{
#ifdef Q_OS_UNIX
    const auto found = ports_.constFind(port.toUpper());
    if (found == ports_.cend())
        return {Outcome::Failed, QStringLiteral("a porta %1 não existe neste computador").arg(port)};
    const QString device = *found;
    const QString named = QStringLiteral("a porta %1 (%2)").arg(port, device);
    const QByteArray path = FileSystem::encodeName(device);

    // Only an existing character device is opened: opening a missing name would create a file
    // of that name, and a pipe or a plain file is no printer.
    struct stat st {};
    if (::stat(path.constData(), &st) != 0)
        return {Outcome::Failed, named + (errno == ENOENT ? QStringLiteral(" não existe")
                                                          : QStringLiteral(" não pode ser usada: ") +
                                                                FileSystem::reasonOf(errno))};
    if (!S_ISCHR(st.st_mode))
        return {Outcome::Failed, named + QStringLiteral(" não é um dispositivo de impressora")};
    // Without blocking, so that neither the open nor a device that stops reading can hold the
    // program; the wait for the device is bounded below.
    const int fd = ::open(path.constData(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return {Outcome::Failed, named + QStringLiteral(" não pode ser aberta: ") + FileSystem::reasonOf(errno)};
    struct stat opened {};
    if (::fstat(fd, &opened) != 0 || !S_ISCHR(opened.st_mode)) {
        ::close(fd);
        return {Outcome::Failed, named + QStringLiteral(" não é um dispositivo de impressora")};
    }

    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + deviceWait_;
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n > 0) {
            done += n;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
            const int error = errno;
            ::close(fd);
            return {Outcome::Failed, named + QStringLiteral(" falhou: ") + FileSystem::reasonOf(error)};
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        pollfd wanted{fd, POLLOUT, 0};
        if (left.count() <= 0 || ::poll(&wanted, 1, static_cast<int>(left.count())) == 0) {
            ::close(fd);
            return {Outcome::Failed,
                    named + QStringLiteral(" não recebeu o trabalho em %1 segundos").arg(seconds(deviceWait_))};
        }
    }
    if (::close(fd) != 0)
        return {Outcome::Failed, named + QStringLiteral(" falhou: ") + FileSystem::reasonOf(errno)};
    return {Outcome::Sent, QStringLiteral("enviado para ") + named};
#else
    Q_UNUSED(port);
    Q_UNUSED(bytes);
    return {Outcome::Failed, {}};
#endif
}
