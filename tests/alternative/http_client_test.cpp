#include "platform/httpclient.h"
#include "tests/alternative/localhttpserver.h"

#include <gtest/gtest.h>
#include <optional>

namespace {

using namespace std::chrono_literals;

TEST(HttpClient, ErrorStatusIsAnAnswerAndFailuresAreTold)
{
    QtHttpClient http;
    {
        LocalHttpServer server(QByteArray("<erro/>"), 404);
        const HttpClient::Reply get = http.get(server.url(QStringLiteral("/a?b=1")), 5s);
        EXPECT_EQ(server.requestLine(), "GET /a?b=1 HTTP/1.1");
        EXPECT_EQ(get.outcome, HttpClient::Reply::Outcome::Answered);
        EXPECT_EQ(get.status, 404);
        EXPECT_EQ(get.body, "<erro/>");

        const HttpClient::Reply post = http.post(server.url(QStringLiteral("/c")), QByteArray("x=1"), 5s);
        EXPECT_EQ(server.requestLine(), "POST /c HTTP/1.1");
        EXPECT_TRUE(post.answered());
    }

    const QString closed = QStringLiteral("http://127.0.0.1:") + QString::number(LocalHttpServer::closedPort());
    const HttpClient::Reply refused = http.get(closed, 5s);
    EXPECT_EQ(refused.outcome, HttpClient::Reply::Outcome::Failed);
    EXPECT_FALSE(refused.error.isEmpty());

    const HttpClient::Reply invalid = http.get(QStringLiteral("sem endereço"), 5s);
    EXPECT_EQ(invalid.outcome, HttpClient::Reply::Outcome::Failed);

    LocalHttpServer silent = LocalHttpServer::silent();
    const HttpClient::Reply late = http.post(silent.url(QStringLiteral("/")), {}, 200ms);
    EXPECT_EQ(late.outcome, HttpClient::Reply::Outcome::TimedOut);
    EXPECT_TRUE(late.body.isEmpty());
}

TEST(HttpClient, RedirectionsAreFollowedUpToTheLimit)
{
    struct Case {
        int status;
        int hops;  // redirections before the answer
        const char* method;  // of the request that gets the answer
        HttpClient::Reply::Outcome outcome;
    };
    using O = HttpClient::Reply::Outcome;
    const Case cases[] = {
        {301, 1, "GET", O::Answered},
        {302, 1, "GET", O::Answered},
        {303, 1, "GET", O::Answered},
        {307, 1, "POST", O::Answered},
        {308, 1, "POST", O::Answered},
        {302, HttpClient::kMaxRedirects, "GET", O::Answered},
        {302, HttpClient::kMaxRedirects + 1, "", O::RedirectFailed},
    };
    QtHttpClient http;
    auto upTo = [](int last) {
        QStringList out;
        for (int n = 0; n <= last; ++n)
            out << QStringLiteral("/%1").arg(n);
        return out;
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.status) + " x " + std::to_string(c.hops));
        // /0 sends to /1, and so on; /hops answers.
        LocalHttpServer server([&](const QString& path) {
            const int n = path.mid(1).toInt();
            if (n < c.hops)
                return LocalHttpServer::Answer{c.status, {}, "text/html; charset=iso-8859-1",
                                               "/" + QByteArray::number(n + 1)};
            return LocalHttpServer::Answer{200, "<fim/>", "text/xml; charset=UTF-8"};
        });
        const HttpClient::Reply reply = http.post(server.url(QStringLiteral("/0")), QByteArray("x=1"), 5s);
        EXPECT_EQ(reply.outcome, c.outcome);
        if (c.outcome == O::Answered) {
            EXPECT_EQ(reply.status, 200);
            EXPECT_EQ(reply.body, "<fim/>");
            EXPECT_TRUE(reply.contentType.endsWith("text/xml; charset=UTF-8")) << reply.contentType.toStdString();
            EXPECT_EQ(reply.textByHeaderCharset(), QStringLiteral("<fim/>"));
            EXPECT_EQ(server.paths(), upTo(c.hops));
            EXPECT_EQ(server.requestLine(),
                      QString::fromLatin1(c.method) + " /" + QString::number(c.hops) + " HTTP/1.1");
        } else {
            EXPECT_TRUE(reply.body.isEmpty());
            EXPECT_FALSE(reply.error.isEmpty());
            EXPECT_EQ(server.paths(), upTo(HttpClient::kMaxRedirects));
        }
    }
}

TEST(HttpClient, TheHeadersCharsetDecodesTheBody)
{
    struct Case {
        QByteArray contentType;
        QByteArray body;
        std::optional<QString> text;
    };
    const QString acentos = QStringLiteral("são paulo – é");
    const Case cases[] = {
        {"text/xml; charset=ISO-8859-1", QByteArray("s\xe3o"), QStringLiteral("são")},
        {"text/xml;charset=\"windows-1252\"", QByteArray("\x96 \x80"), QStringLiteral("– €")},
        {"text/xml; Charset = UTF-8 ; x=y", acentos.toUtf8(), acentos},
        {"text/plain; format=flowed; charset=utf-16le", QByteArray("s\0\xe3\0", 4), QStringLiteral("sã")},
        // The headers of a redirection and of the answer, joined: the answer's counts.
        {"text/html; charset=iso-8859-1, text/xml; charset=utf-8", acentos.toUtf8(), acentos},
        {"text/html; charset=utf-8, text/xml", QByteArray("abc"), std::nullopt},
        {"text/xml", QByteArray("abc"), std::nullopt},
        {"", QByteArray("abc"), std::nullopt},
        {"text/xml; charset=", QByteArray("abc"), std::nullopt},
        {"text/xml; charset=no-such-charset", QByteArray("abc"), std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.contentType.toStdString());
        HttpClient::Reply reply;
        reply.outcome = HttpClient::Reply::Outcome::Answered;
        reply.contentType = c.contentType;
        reply.body = c.body;
        EXPECT_EQ(reply.textByHeaderCharset(), c.text);
    }
}

}  // namespace
