#include "tests/demo/demofolder.h"

#include <QProcess>

QString layOutDemo(const QString& folder, QString* output)
{
    QProcess cmake;
    cmake.start(QStringLiteral(ETIQUETAS_CMAKE_COMMAND),
                {QStringLiteral("-DSRC=") + sourceDir() + QStringLiteral("/demo"), QStringLiteral("-DDST=") + folder,
                 QStringLiteral("-DJAVA_DIR=" ETIQUETAS_JAVA_DIR), QStringLiteral("-P"),
                 sourceDir() + QStringLiteral("/cmake/CopyDemo.cmake")});
    const bool done = cmake.waitForFinished(60000);
    const QString printed = QString::fromLocal8Bit(cmake.readAllStandardOutput() + cmake.readAllStandardError());
    if (output)
        *output = printed;
    if (!done || cmake.exitStatus() != QProcess::NormalExit || cmake.exitCode() != 0)
        return QStringLiteral("layout failed: ") + printed;
    return {};
}
