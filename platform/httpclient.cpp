#include "platform/httpclient.h"

#include "platform/codepage.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QStringDecoder>
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
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(HttpClient::kMaxRedirects);
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
    // The last redirection's own status would read as an answer.
    if (reply->error() == QNetworkReply::TooManyRedirectsError ||
        reply->error() == QNetworkReply::InsecureRedirectError) {
        out.outcome = HttpClient::Reply::Outcome::RedirectFailed;
        out.error = reply->errorString();
        return out;
    }
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (status.isValid()) {
        out.outcome = HttpClient::Reply::Outcome::Answered;
        out.status = status.toInt();
        out.body = reply->readAll();
        out.contentType = reply->rawHeader("Content-Type");
    } else {
        out.error = reply->errorString();
    }
    return out;
}

// The charset parameter of a Content-Type value, unquoted; empty when there is none. After a
// redirection Qt may hand over the headers of both answers joined by ", ": the last is the one
// of the body.
QByteArray charsetOf(const QByteArray& contentType)
{
    const QList<QByteArray> parts = contentType.mid(contentType.lastIndexOf(',') + 1).split(';');
    for (qsizetype i = 1; i < parts.size(); ++i) {
        const QByteArray part = parts[i].trimmed();
        const qsizetype eq = part.indexOf('=');
        if (eq < 0 || part.left(eq).trimmed().toLower() != "charset")
            continue;
        QByteArray value = part.mid(eq + 1).trimmed();
        if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
            value = value.mid(1, value.size() - 2).trimmed();
        return value;
    }
    return {};
}

}  // namespace

std::optional<QString> HttpClient::Reply::textByHeaderCharset() const
{
    const QByteArray charset = charsetOf(contentType).toLower();
    if (charset.isEmpty())
        return std::nullopt;
    // The workstation's own code page by our own table, as every other text of it.
    if (charset == "windows-1252" || charset == "cp1252")
        return cp1252::decode(body);
    QStringDecoder decoder(charset.constData());
    if (!decoder.isValid())
        return std::nullopt;
    return decoder.decode(body);
}

HttpClient::Reply QtHttpClient::get(const QString& url, std::chrono::milliseconds timeout)
{
    return run(url, timeout, [](QNetworkAccessManager& m, const QNetworkRequest& r) { return m.get(r); });
}

HttpClient::Reply QtHttpClient::post(const QString& url, const QByteArray& body, std::chrono::milliseconds timeout)
{
    return run(url, timeout, [&body](QNetworkAccessManager& m, const QNetworkRequest& r) { return m.post(r, body); });
}
