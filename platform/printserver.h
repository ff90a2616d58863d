#pragma once

#include <QSizeF>
#include <QString>
#include <QStringList>

// The CUPS server as the printers talk to it. No wait for its answer lasts more than a few
// seconds, so a server that has stopped answering costs the operator seconds, not minutes, and is
// named as the cause; and the talk runs on a thread of its own while the calling thread goes on
// serving its events, so the window stays painted.
namespace printserver {

// The reason given when the server does not answer in time, or cannot be reached.
extern const QString kNoAnswer;

struct Queues {
    // Each queue, or "queue/instance" for an instance the user's options define.
    QStringList names;
    QString defaultName;
    // Why there are none: the server did not answer.
    QString problem;
};
// The queues the server offers; none when it does not answer.
Queues queues();

// What keeps a queue from taking a job now, in the operator's words; empty when nothing.
// The list of queues is read at start-up, so a queue it offers may have gone since.
QString queueProblem(const QString& queue);

// Hands a whole PDF to a queue, to print on one side of paper of the page's size; the reason it
// was refused, or empty.
QString handOver(const QString& queue, const QString& pdfFile, QSizeF pageMm);

}  // namespace printserver
