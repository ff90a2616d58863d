#include "tests/demo/demofolder.h"

#include <QProcess>

QString layOutDemo(const QString& folder)
{
    QProcess cmake;
    cmake.start(QStringLiteral(ETIQUETAS_CMAKE_COMMAND),
                {QStringLiteral("-DSRC=") + sourceDir() + QStringLiteral("/demo"), QStringLiteral("-DDST=") + folder,
                 QStringLiteral("-DJAVA_DIR=" ETIQUETAS_JAVA_DIR), QStringLiteral("-P"),
                 sourceDir() + QStringLiteral("/cmake/CopyDemo.cmake")});
    if (!cmake.waitForFinished(60000) || cmake.exitStatus() != QProcess::NormalExit || cmake.exitCode() != 0)
        return QStringLiteral("layout failed: ") + QString::fromLocal8Bit(cmake.readAllStandardError());
    return {};
}
