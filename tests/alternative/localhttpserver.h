#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>
#include <mutex>
#include <thread>
#include <utility>

// An HTTP server on 127.0.0.1 for tests, answering on a thread of its own: every request gets
// the same answer, or the answer a function gives for its path and query, or, when silent, none
// at all until the server stops.
class LocalHttpServer {
public:
    struct Answer {
        // A constructor rather than aggregate braces, so an answer may leave out the members after
        // the ones it needs.
        Answer(int status = 200, QByteArray body = {}, QByteArray contentType = "text/xml", QByteArray location = {})
            : status(status), body(std::move(body)), contentType(std::move(contentType)), location(std::move(location))
        {
        }
        int status;
        QByteArray body;
        QByteArray contentType;  // empty: no Content-Type header
        QByteArray location;     // a Location header when not empty
    };
    using Route = std::function<Answer(const QString& pathAndQuery)>;

    explicit LocalHttpServer(QByteArray body, int status = 200);
    explicit LocalHttpServer(Route route);
    static LocalHttpServer silent();
    ~LocalHttpServer();
    LocalHttpServer(const LocalHttpServer&) = delete;
    LocalHttpServer& operator=(const LocalHttpServer&) = delete;

    QString url(const QString& pathAndQuery) const;
    // The request line of the last request read, e.g. "POST /cep?x=1 HTTP/1.1".
    QString requestLine() const;
    // Every request line read, in order.
    QStringList requestLines() const;
    // The paths and queries asked for, in order; a request the client sent again at once on a
    // new connection (as Qt does when the server closed the old one) counts once.
    QStringList paths() const;
    int requests() const;

    // A port on 127.0.0.1 where nothing listens.
    static quint16 closedPort();

private:
    LocalHttpServer(Route route, bool silent);

    Route route_;
    bool silent_;
    quint16 port_ = 0;
    std::atomic<bool> stop_{false};
    mutable std::mutex mutex_;
    QStringList requestLines_;
    std::thread thread_;
};
