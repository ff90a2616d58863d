#pragma once

#include <QByteArray>
#include <QString>
#include <chrono>

// Synchronous HTTP requests: the call returns once the server has answered, the connection has
// failed or the time-out has passed. A server's error status is an answer like any other.
class HttpClient {
public:
    struct Reply {
        enum class Outcome { Answered, Failed, TimedOut };
        Outcome outcome = Outcome::Failed;
        int status = 0;     // HTTP status of an answer
        QByteArray body;    // what the server sent
        QString error;      // why there is no answer
        bool answered() const { return outcome == Outcome::Answered; }
    };

    virtual ~HttpClient() = default;
    virtual Reply get(const QString& url, std::chrono::milliseconds timeout) = 0;
    virtual Reply post(const QString& url, const QByteArray& body, std::chrono::milliseconds timeout) = 0;
};

// Requests through Qt Network, waiting in a local event loop of the calling thread.
class QtHttpClient : public HttpClient {
public:
    Reply get(const QString& url, std::chrono::milliseconds timeout) override;
    Reply post(const QString& url, const QByteArray& body, std::chrono::milliseconds timeout) override;
};
