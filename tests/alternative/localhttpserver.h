#pragma once

#include <QByteArray>
#include <QString>
#include <atomic>
#include <mutex>
#include <thread>

// An HTTP server on 127.0.0.1 for tests, answering on a thread of its own: every request gets
// the same answer, or, when silent, none at all until the server stops.
class LocalHttpServer {
public:
    explicit LocalHttpServer(QByteArray body, int status = 200);
    static LocalHttpServer silent();
    ~LocalHttpServer();
    LocalHttpServer(const LocalHttpServer&) = delete;
    LocalHttpServer& operator=(const LocalHttpServer&) = delete;

    QString url(const QString& pathAndQuery) const;
    // The request line of the last request read, e.g. "POST /cep?x=1 HTTP/1.1".
    QString requestLine() const;
    int requests() const;

    // A port on 127.0.0.1 where nothing listens.
    static quint16 closedPort();

private:
    LocalHttpServer(QByteArray body, int status, bool silent);
    void serve();

    QByteArray body_;
    int status_;
    bool silent_;
    quint16 port_ = 0;
    std::atomic<bool> stop_{false};
    mutable std::mutex mutex_;
    QString requestLine_;
    int requests_ = 0;
    std::thread thread_;
};
