#pragma once

// What the tests ask the private cupsd of with-cupsd.sh directly: its administration tools, and
// the jobs it keeps.

#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QThread>
#include <algorithm>
#include <cups/cups.h>

// An administration tool of the private cupsd (CUPS_SERVER names it); its output when it failed.
inline QString admin(const QString& tool, const QStringList& arguments)
{
    QString program = QStringLiteral("/usr/sbin/") + tool;
    if (!QFile::exists(program))
        program = tool;
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, arguments);
    p.waitForFinished(30000);
    return p.exitCode() == 0 ? QString() : tool + QStringLiteral(": ") + QString::fromLocal8Bit(p.readAll());
}

// The ids of every job the server keeps for a queue, finished or not, oldest first.
inline QList<int> jobsOf(const QString& queue)
{
    cups_job_t* jobs = nullptr;
    const int n = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queue.toUtf8().constData(), 0, CUPS_WHICHJOBS_ALL);
    QList<int> ids;
    for (int i = 0; i < n; ++i)
        ids << jobs[i].id;
    cupsFreeJobs(n, jobs);
    std::sort(ids.begin(), ids.end());
    return ids;
}

// The attributes of one IPP object as texts, by name.
inline QMap<QString, QString> attributesOf(ipp_t* request)
{
    QMap<QString, QString> out;
    ipp_t* response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
    for (ipp_attribute_t* a = ippFirstAttribute(response); a; a = ippNextAttribute(response)) {
        if (!ippGetName(a))
            continue;
        char text[2048];
        ippAttributeString(a, text, sizeof text);
        out.insert(QString::fromUtf8(ippGetName(a)), QString::fromUtf8(text));
    }
    ippDelete(response);
    return out;
}

inline QMap<QString, QString> jobAttributes(int job)
{
    ipp_t* request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr,
                 QStringLiteral("ipp://localhost/jobs/%1").arg(job).toUtf8().constData());
    return attributesOf(request);
}

inline QMap<QString, QString> queueAttributes(const QString& queue)
{
    ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr,
                 (QStringLiteral("ipp://localhost/printers/") + queue).toUtf8().constData());
    return attributesOf(request);
}

// The attributes of a job once the queue is done with it (empty when it never is).
inline QMap<QString, QString> finishedJob(int job)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 60000) {
        const QMap<QString, QString> a = jobAttributes(job);
        const QString state = a.value(QStringLiteral("job-state"));
        if (state == QStringLiteral("completed") || state == QStringLiteral("aborted") ||
            state == QStringLiteral("canceled"))
            return a;
        QThread::msleep(100);
    }
    return {};
}
