#include "tests/common/mountedfolder.h"

#include <QDir>
#include <QProcess>

namespace {

// Runs a mount tool; its error text, or empty when it succeeded.
QString run(const QString& program, const QStringList& arguments)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, arguments);
    if (!p.waitForStarted(10000))
        return program + QStringLiteral(" could not be started");
    p.waitForFinished(30000);
    if (p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0)
        return {};
    const QString out = QString::fromLocal8Bit(p.readAll()).trimmed();
    return out.isEmpty() ? program + QStringLiteral(" failed") : out;
}

}  // namespace

MountedFolder::MountedFolder(const QString& folder, const QString& options) : folder_(folder)
{
    QDir().mkpath(folder);
    reason_ = run(QStringLiteral("mount"), {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                            options, QStringLiteral("tmpfs"), folder});
    mounted_ = reason_.isEmpty();
}

MountedFolder::~MountedFolder()
{
    if (mounted_ && !run(QStringLiteral("umount"), {folder_}).isEmpty())
        run(QStringLiteral("umount"), {QStringLiteral("-l"), folder_});
}
