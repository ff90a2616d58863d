#include "platform/httpclient.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>
#include <functional>
#include <memory>

namespace {

HttpClient::Reply run(const QString& url, std::chrono::milliseconds timeout,
                      const std::function<QNetworkReply*(QNetworkAccessManager&, const QNetworkRequest&)>& send)
{
    HttpClient::Reply out;
    const QUrl address(url, QUrl::StrictMode);
    if (!address.isValid() || address.isRelative()) {
        out.error = QStringLiteral("Invalid address: ") + url;
        return out;
    }

    QNetworkAccessManager manager;
    QNetworkRequest request(address);
    // The caller's time-out is the only one; Qt's own would cut it short or stretch it.
    request.setTransferTimeout(0);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    std::unique_ptr<QNetworkReply> reply(send(manager, request));

    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    bool timedOut = false;
    QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        loop.quit();
    });
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished()) {
        timer.start(timeout);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }

    if (!reply->isFinished() || timedOut) {
        reply->abort();
        out.outcome = HttpClient::Reply::Outcome::TimedOut;
        out.error = QStringLiteral("No answer within the time-out");
        return out;
    }
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (status.isValid()) {
        out.outcome = HttpClient::Reply::Outcome::Answered;
        out.status = status.toInt();
        out.body = reply->readAll();
    } else {
        out.error = reply->errorString();
    }
    return out;
}

}  // namespace

HttpClient::Reply QtHttpClient::get(const QString& url, std::chrono::milliseconds timeout)
{
    return run(url, timeout, [](QNetworkAccessManager& m, const QNetworkRequest& r) { return m.get(r); });
}

HttpClient::Reply QtHttpClient::post(const QString& url, const QByteArray& body, std::chrono::milliseconds timeout)
{
    return run(url, timeout, [&body](QNetworkAccessManager& m, const QNetworkRequest& r) { return m.post(r, body); });
}
