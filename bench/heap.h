#pragma once

#include "platform/heap.h"

#include <QByteArray>
#include <QFile>
#include <QtGlobal>

// Benchmarks run with the heap set up as the program sets it at start; BENCH_DEFAULT_HEAP=1 in the
// environment leaves the C library's defaults, to measure what the setting is worth.
inline void heapAsTheProgram()
{
    if (!qEnvironmentVariableIsSet("BENCH_DEFAULT_HEAP"))
        keepHeapWarm();
}

// Resident and peak resident memory of this process ("VmRSS:", "VmHWM:"), in MiB, from
// /proc/self/status.
inline double statusMb(const char* field)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(static_cast<int>(qstrlen(field))).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}
