#include "tests/alternative/localhttpserver.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <future>
#include <memory>
#include <vector>

namespace {

constexpr int kPollMs = 20;

}  // namespace

LocalHttpServer::LocalHttpServer(QByteArray body, int status)
    : LocalHttpServer([answer = Answer{status, std::move(body)}](const QString&) { return answer; }, false)
{
}

LocalHttpServer::LocalHttpServer(Route route) : LocalHttpServer(std::move(route), false) {}

LocalHttpServer LocalHttpServer::silent() { return LocalHttpServer(Route{}, true); }

LocalHttpServer::LocalHttpServer(Route route, bool silent) : route_(std::move(route)), silent_(silent)
{
    std::promise<quint16> port;
    auto ready = port.get_future();
    thread_ = std::thread([this, &port] {
        QTcpServer server;
        server.listen(QHostAddress::LocalHost, 0);
        port.set_value(server.serverPort());
        // Several connections at once: a client may open one it then leaves unused (as after a
        // redirection), and the next request must not wait behind it.
        struct Connection {
            std::unique_ptr<QTcpSocket> socket;
            QByteArray request;
            bool seen = false;  // its request line was counted
        };
        std::vector<Connection> open;
        while (!stop_) {
            if (server.waitForNewConnection(open.empty() ? kPollMs : 1))
                while (server.hasPendingConnections())
                    open.push_back({std::unique_ptr<QTcpSocket>(server.nextPendingConnection()), {}});
            for (Connection& c : open) {
                if (c.socket->state() != QAbstractSocket::ConnectedState || c.seen)
                    continue;
                if (c.socket->bytesAvailable() > 0 || c.socket->waitForReadyRead(1))
                    c.request += c.socket->readAll();
                if (!c.request.contains("\r\n\r\n"))
                    continue;
                c.seen = true;
                const QString line = QString::fromLatin1(c.request.left(c.request.indexOf("\r\n")));
                {
                    std::lock_guard lock(mutex_);
                    requestLines_ << line;
                }
                if (silent_)
                    continue;  // kept open, unanswered, until the client or the server gives up
                const Answer a = route_(line.section(u' ', 1, 1));
                QByteArray head = "HTTP/1.1 " + QByteArray::number(a.status) + " X\r\n";
                if (!a.contentType.isEmpty())
                    head += "Content-Type: " + a.contentType + "\r\n";
                if (!a.location.isEmpty())
                    head += "Location: " + a.location + "\r\n";
                head += "Content-Length: " + QByteArray::number(a.body.size()) + "\r\nConnection: close\r\n\r\n";
                c.socket->write(head + a.body);
                c.socket->waitForBytesWritten(1000);
                c.socket->disconnectFromHost();
                if (c.socket->state() != QAbstractSocket::UnconnectedState)
                    c.socket->waitForDisconnected(1000);
            }
            std::erase_if(open, [](const Connection& c) {
                return c.socket->state() == QAbstractSocket::UnconnectedState;
            });
        }
    });
    port_ = ready.get();
}

LocalHttpServer::~LocalHttpServer()
{
    stop_ = true;
    if (thread_.joinable())
        thread_.join();
}

QString LocalHttpServer::url(const QString& pathAndQuery) const
{
    return QStringLiteral("http://127.0.0.1:") + QString::number(port_) + pathAndQuery;
}

QString LocalHttpServer::requestLine() const
{
    std::lock_guard lock(mutex_);
    return requestLines_.isEmpty() ? QString() : requestLines_.last();
}

QStringList LocalHttpServer::requestLines() const
{
    std::lock_guard lock(mutex_);
    return requestLines_;
}

QStringList LocalHttpServer::paths() const
{
    QStringList out;
    for (const QString& line : requestLines()) {
        const QString path = line.section(u' ', 1, 1);
        if (out.isEmpty() || out.last() != path)
            out << path;
    }
    return out;
}

int LocalHttpServer::requests() const
{
    std::lock_guard lock(mutex_);
    return static_cast<int>(requestLines_.size());
}

quint16 LocalHttpServer::closedPort()
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    const quint16 port = server.serverPort();
    server.close();
    return port;
}
