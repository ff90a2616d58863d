#include "platform/printserver.h"

#include "platform/besidethewindow.h"
#include "platform/filesystem.h"


#include <cups/cups.h>
#include <memory>

namespace printserver {

const QString kNoAnswer = QStringLiteral("o servidor de impressão não responde");

namespace {

constexpr int kWaitMs = 5000;

const QString kGone = QStringLiteral("a fila de impressão não existe mais neste computador");

// A connection to the server on which no wait lasts longer than kWaitMs. libcups's own calls wait
// minutes for a server that has stopped, and then blame the queue.
class Connection {
public:
    Connection()
    {
        http_ = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, kWaitMs, nullptr);
        if (http_)
            httpSetTimeout(http_, kWaitMs / 1000.0, &Connection::gaveUp, this);
        else
            silent_ = true;
    }
    ~Connection()
    {
        if (http_)
            httpClose(http_);
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    http_t* http() const { return http_; }
    // Whether a wait ran out, or the server could not be reached at all.
    bool silent() const { return silent_; }

private:
    static int gaveUp(http_t* http, void* self)
    {
        static_cast<Connection*>(self)->silent_ = true;
        // The server has had its chance: whatever the library tries next on this connection
        // fails at once instead of waiting again.
        httpSetTimeout(http, 0.001, &Connection::gaveUp, self);
        return 0;
    }

    http_t* http_ = nullptr;
    bool silent_ = false;
};

QByteArray queueName(const QString& queue)
{
    // An instance is the user's set of options for a queue, which is the part before the slash.
    return queue.section(u'/', 0, 0).toUtf8();
}

QByteArray resourceOf(const QString& queue) { return "/printers/" + queueName(queue); }

void addQueue(ipp_t* request, const QString& queue)
{
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", ippPort(), "/printers/%s",
                     queueName(queue).constData());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
}

QString problemOn(Connection& server, const QString& queue)
{
    if (server.silent())
        return kNoAnswer;
    ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    addQueue(request, queue);
    static const char* const wanted[] = {"printer-is-accepting-jobs", "printer-state"};
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 2, nullptr, wanted);
    ipp_t* response = cupsDoRequest(server.http(), request, "/");
    const ipp_status_t status = cupsLastError();
    const QString said = QString::fromUtf8(cupsLastErrorString());
    if (server.silent() || !response || status > IPP_STATUS_OK_CONFLICTING) {
        ippDelete(response);
        if (server.silent())
            return kNoAnswer;
        if (status == IPP_STATUS_ERROR_NOT_FOUND)
            return kGone;
        return QStringLiteral("o servidor de impressão não informou o estado da fila (%1)").arg(said);
    }
    ipp_attribute_t* accepting = ippFindAttribute(response, "printer-is-accepting-jobs", IPP_TAG_BOOLEAN);
    ipp_attribute_t* state = ippFindAttribute(response, "printer-state", IPP_TAG_ENUM);
    QString problem;
    if (accepting && !ippGetBoolean(accepting, 0))
        problem = QStringLiteral("a fila de impressão não está aceitando trabalhos");
    else if (state && ippGetInteger(state, 0) == IPP_PSTATE_STOPPED)  // jobs would wait there unprinted
        problem = QStringLiteral("a fila de impressão está parada");
    // The server's state message is left out: it is its own English text ("Paused", "Rejecting
    // Jobs"), which says no more than the reason above.
    ippDelete(response);
    return problem;
}

QString handOverOn(Connection& server, const QString& queue, const QString& pdfFile, QSizeF pageMm)
{
    // The queue is asked first on the same connection: a server that has stopped answering
    // never gets a job it would print on waking, after the operator was told it failed.
    if (const QString problem = problemOn(server, queue); !problem.isEmpty())
        return problem;
    ipp_t* request = ippNewRequest(IPP_OP_PRINT_JOB);
    addQueue(request, queue);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "job-name", nullptr, "etiquetas");
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_MIMETYPE, "document-format", nullptr, "application/pdf");
    // The page as drawn, never fitted to the queue's default paper; and one side only, whatever
    // the queue's default: a label sheet has no back.
    const QByteArray media = QStringLiteral("Custom.%1x%2mm")
                                 .arg(QString::number(pageMm.width(), 'f', 2), QString::number(pageMm.height(), 'f', 2))
                                 .toLatin1();
    cups_option_t* options = nullptr;
    int count = cupsAddOption("media", media.constData(), 0, &options);
    count = cupsAddOption("sides", "one-sided", count, &options);
    cupsEncodeOptions2(request, count, options, IPP_TAG_JOB);
    cupsFreeOptions(count, options);
    ipp_t* response = cupsDoFileRequest(server.http(), request, resourceOf(queue).constData(),
                                        FileSystem::encodeName(pdfFile).constData());
    const bool taken = response && cupsLastError() <= IPP_STATUS_OK_CONFLICTING;
    const QString refused = QString::fromUtf8(cupsLastErrorString());
    ippDelete(response);
    if (server.silent())
        return kNoAnswer;
    if (taken)
        return {};
    // The queue's own state names the cause best: it may have gone or stopped taking jobs.
    if (const QString problem = problemOn(server, queue); !problem.isEmpty())
        return problem;
    return QStringLiteral("a fila de impressão recusou o trabalho (%1)").arg(refused);
}

}  // namespace

Queues queues()
{
    return beside::onWorker([] {
        Queues out;
        Connection server;
        if (server.silent()) {
            out.problem = kNoAnswer;
            return out;
        }
        cups_dest_t* dests = nullptr;
        const int count = cupsGetDests2(server.http(), &dests);
        if (server.silent())
            out.problem = kNoAnswer;
        else
            for (int i = 0; i < count; ++i) {
                QString name = QString::fromUtf8(dests[i].name);
                if (dests[i].instance)
                    name += u'/' + QString::fromUtf8(dests[i].instance);
                out.names << name;
                if (dests[i].is_default)
                    out.defaultName = name;
            }
        cupsFreeDests(count, dests);
        return out;
    });
}

QString queueProblem(const QString& queue)
{
    return beside::onWorker([&] {
        Connection server;
        return problemOn(server, queue);
    });
}

QString handOver(const QString& queue, const QString& pdfFile, QSizeF pageMm)
{
    return beside::onWorker([&] {
        Connection server;
        return handOverOn(server, queue, pdfFile, pageMm);
    });
}

}  // namespace printserver
