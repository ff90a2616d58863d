#include "platform/httpclient.h"
#include "tests/alternative/localhttpserver.h"

#include <gtest/gtest.h>

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

}  // namespace
