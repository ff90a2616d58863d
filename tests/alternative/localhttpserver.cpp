#include "tests/alternative/localhttpserver.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <future>
#include <memory>

namespace {

constexpr int kPollMs = 20;

}  // namespace

LocalHttpServer::LocalHttpServer(QByteArray body, int status) : LocalHttpServer(std::move(body), status, false) {}

LocalHttpServer LocalHttpServer::silent() { return LocalHttpServer({}, 0, true); }

LocalHttpServer::LocalHttpServer(QByteArray body, int status, bool silent)
    : body_(std::move(body)), status_(status), silent_(silent)
{
    std::promise<quint16> port;
    auto ready = port.get_future();
    thread_ = std::thread([this, &port] {
        QTcpServer server;
        server.listen(QHostAddress::LocalHost, 0);
        port.set_value(server.serverPort());
        while (!stop_) {
            if (!server.waitForNewConnection(kPollMs))
                continue;
            std::unique_ptr<QTcpSocket> socket(server.nextPendingConnection());
            QByteArray request;
            while (!stop_ && !request.contains("\r\n\r\n") && socket->state() == QAbstractSocket::ConnectedState)
                if (socket->waitForReadyRead(kPollMs))
                    request += socket->readAll();
            {
                std::lock_guard lock(mutex_);
                requestLine_ = QString::fromLatin1(request.left(request.indexOf("\r\n")));
                ++requests_;
            }
            if (silent_) {
                while (!stop_ && socket->state() == QAbstractSocket::ConnectedState)
                    socket->waitForReadyRead(kPollMs);
                continue;
            }
            socket->write("HTTP/1.1 " + QByteArray::number(status_) + " X\r\nContent-Type: text/xml\r\nContent-Length: " +
                          QByteArray::number(body_.size()) + "\r\nConnection: close\r\n\r\n" + body_);
            socket->waitForBytesWritten(1000);
            socket->disconnectFromHost();
            if (socket->state() != QAbstractSocket::UnconnectedState)
                socket->waitForDisconnected(1000);
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
    return requestLine_;
}

int LocalHttpServer::requests() const
{
    std::lock_guard lock(mutex_);
    return requests_;
}

quint16 LocalHttpServer::closedPort()
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    const quint16 port = server.serverPort();
    server.close();
    return port;
}
