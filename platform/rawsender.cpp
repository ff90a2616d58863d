#include "platform/rawsender.h"

#include "platform/filesystem.h"
#include "platform/processes.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>

using namespace std::chrono_literals;

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

QStringList tokens(const QString& line)
{
    QStringList out;
    for (const QString& t : line.split(u' ', Qt::SkipEmptyParts))
        out << t;
    return out;
}

bool same(const QString& a, const char* b) { return a.compare(QLatin1String(b), Qt::CaseInsensitive) == 0; }

// "P:" gives P, when P is a plain name.
std::optional<QString> deviceOf(const QString& token)
{
    if (!token.endsWith(u':'))
        return std::nullopt;
    const QString name = token.chopped(1);
    if (!isPlainName(name))
        return std::nullopt;
    return name.toUpper();
}

}  // namespace

std::optional<BatchPlan> readBatchPlan(const QStringList& lines)
{
    static const QString kLoopback = QStringLiteral("\\\\127.0.0.1\\");
    QHash<QString, QString> mapped;
    std::optional<BatchPlan> plan;
    for (const QString& line : lines) {
        // Only blanks separate the words of our lines; a tab or control character is no shape of ours.
        for (const QChar c : line)
            if (c.unicode() < 0x20 || c.unicode() == 0x7F)
                return std::nullopt;
        const QStringList t = tokens(line);
        if (t.isEmpty())
            continue;
        if (t.size() == 4 && same(t[0], "net") && same(t[1], "use") && same(t[3], "/delete")) {
            const auto port = deviceOf(t[2]);
            if (!port)
                return std::nullopt;
            mapped.remove(*port);
        } else if (t.size() == 5 && same(t[0], "net") && same(t[1], "use") && same(t[4], "/yes") &&
                   t[3].startsWith(kLoopback)) {
            const auto port = deviceOf(t[2]);
            const QString share = t[3].mid(kLoopback.size());
            if (!port || (!share.isEmpty() && !isPlainName(share)))
                return std::nullopt;
            // Without a share the mapping fails and the port stays the machine's own.
            if (!share.isEmpty())
                mapped.insert(*port, share);
        } else if (t.size() == 4 && same(t[0], "type") && t[2] == u">") {
            if (plan || !isPlainName(t[1]) || !isPlainName(t[3]))
                return std::nullopt;
            plan = BatchPlan{t[1], t[3], mapped.value(t[3].toUpper())};
        } else {
            return std::nullopt;
        }
    }
    return plan;
}

BatchFileSender::BatchFileSender(Processes& processes, QHash<QString, QString> ports) : processes_(processes)
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

RawSender::Outcome BatchFileSender::send(const QString& batchFile, const QString& workingFolder)
{
    const FileSystem folder(workingFolder);
    const auto lines = folder.readLines(batchFile);
    if (!lines)
        return Outcome::NoBatchFile;
    const auto plan = readBatchPlan(*lines);
    if (!plan)
        return Outcome::Refused;
#ifdef Q_OS_WIN
    // The lines are known to be ours, so the command interpreter may run them.
    return QProcess::startDetached(QStringLiteral("cmd.exe"), {QStringLiteral("/c"), folder.resolve(batchFile)},
                                   workingFolder)
               ? Outcome::Sent
               : Outcome::Failed;
#else
    // The spool file is the one of the batch file's working folder, whatever the program's
    // current folder is.
    const QString spoolPath = folder.resolve(plan->spoolFile);
    if (!plan->queue.isEmpty())
        return toQueue(plan->queue, spoolPath);
    return toDevice(plan->port, spoolPath);
#endif
}

RawSender::Outcome BatchFileSender::toQueue(const QString& queue, const QString& spoolPath)
{
    if (!QFile::exists(spoolPath))
        return Outcome::Failed;
    const auto id = processes_.start(QStringLiteral("lp"),
                                     {QStringLiteral("-d"), queue, QStringLiteral("-o"), QStringLiteral("raw"), spoolPath},
                                     QFileInfo(spoolPath).path());
    if (!id)
        return Outcome::Failed;
    // lp only hands the file to the print spooler; waiting keeps the next job from rewriting the
    // spool file under it.
    processes_.wait(*id, 30s);
    return Outcome::Sent;
}

RawSender::Outcome BatchFileSender::toDevice(const QString& port, const QString& spoolPath) const
{
    const auto device = ports_.constFind(port.toUpper());
    if (device == ports_.cend())
        return Outcome::Failed;
    QFile spool(spoolPath);
    if (!spool.open(QIODevice::ReadOnly))
        return Outcome::Failed;
    const QByteArray bytes = spool.readAll();
    QFile out(*device);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Append))
        return Outcome::Failed;
    return out.write(bytes) == bytes.size() ? Outcome::Sent : Outcome::Failed;
}
