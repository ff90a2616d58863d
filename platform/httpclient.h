#pragma once

#include <QByteArray>
#include <QString>
#include <chrono>
#include <optional>

// Synchronous HTTP requests: the call returns once the server has answered, the connection has
// failed or the time-out has passed. A server's error status is an answer like any other. A
// redirection (301, 302, 303, 307, 308) is followed, up to kMaxRedirects in a row, as the
// workstation's request object does; a POST goes on as a GET after 301, 302 and 303.
class HttpClient {
public:
    static constexpr int kMaxRedirects = 10;

    struct Reply {
        // RedirectFailed: more redirections than allowed, or one to a less safe scheme.
        enum class Outcome { Answered, Failed, TimedOut, RedirectFailed };
        Outcome outcome = Outcome::Failed;
        int status = 0;           // HTTP status of an answer
        QByteArray body;          // what the server sent
        QByteArray contentType;   // the answer's Content-Type header, as sent
        QString error;            // why there is no answer
        bool answered() const { return outcome == Outcome::Answered; }
        // The body decoded by the charset the Content-Type header names; nothing when it names
        // none, or one this machine does not know.
        std::optional<QString> textByHeaderCharset() const;
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
