#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QThread>
#include <sys/types.h>

// Whether a process has ended within five seconds. A killed process may stay a zombie until its
// parent collects it, which counts as ended.
inline bool processEnded(pid_t pid)
{
    for (int i = 0; i < 100; ++i) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!stat.open(QIODevice::ReadOnly))
            return true;
        const QByteArray s = stat.readAll();
        const auto close = s.lastIndexOf(')');
        if (close > 0 && s.mid(close + 2, 1) == "Z")
            return true;
        QThread::msleep(50);
    }
    return false;
}
