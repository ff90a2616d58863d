#include "alternative/helpers/pega_url.h"
#include "platform/httpclient.h"
#include "tests/alternative/alternativefixture.h"
#include "tests/alternative/localhttpserver.h"

namespace {

using namespace std::chrono_literals;

QByteArray answer(const QString& resultado, const QString& quantidade, const QString& enderecos)
{
    return (QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?><webservicecep><resultado>") + resultado +
            QStringLiteral("</resultado><resultado_txt>consulta</resultado_txt><quantidade>") + quantidade +
            QStringLiteral("</quantidade><enderecos>") + enderecos + QStringLiteral("</enderecos></webservicecep>"))
        .toUtf8();
}

const QString kTwoEntries = QStringLiteral(
    "<endereco><uf>sp</uf><cidade>são paulo</cidade><bairro>sé</bairro>"
    "<tipo_logradouro>praça</tipo_logradouro><logradouro>da sé</logradouro></endereco>"
    "<endereco><uf>rj</uf><cidade>rio de janeiro</cidade>"
    "<tipo_logradouro>rua</tipo_logradouro><logradouro>direita</logradouro></endereco>");

class AddressLookup : public AlternativeTest {
protected:
    AddressLookup()
    {
        t.ws.http = &http;
        endereco.uf.text = QStringLiteral("uf antes");
        endereco.cidade.text = QStringLiteral("cidade antes");
        endereco.logradouro.text = QStringLiteral("rua antes");
    }
    void expectUnchanged() const
    {
        EXPECT_EQ(endereco.uf.text, "uf antes");
        EXPECT_EQ(endereco.cidade.text, "cidade antes");
        EXPECT_EQ(endereco.logradouro.text, "rua antes");
    }
    // The hourglass was shown for the request and the default pointer is back.
    void expectPointerRestored() const
    {
        EXPECT_EQ(t.screen.pointer(), Screen::Pointer::Default);
        EXPECT_EQ(t.screen.pointerChanges(), 2);
    }

    QtHttpClient http;
    AddressForm endereco;
};

TEST_F(AddressLookup, FirstEntryFillsTheFormInCapitals)
{
    LocalHttpServer server(answer(QStringLiteral("1"), QStringLiteral("2"), kTwoEntries));
    pega_URL(p, server.url(QStringLiteral("/web_cep.php?cep=01001000&formato=xml")), endereco, 5s);

    EXPECT_EQ(server.requestLine(), "POST /web_cep.php?cep=01001000&formato=xml HTTP/1.1");
    EXPECT_EQ(endereco.uf.text, "SP");
    EXPECT_EQ(endereco.cidade.text, "SÃO PAULO");
    EXPECT_EQ(endereco.logradouro.text, "PRAÇA DA SÉ");
    EXPECT_EQ(endereco.focus, &endereco.logradouro);
    ASSERT_EQ(t.messages.shown().size(), 1u);
    EXPECT_TRUE(t.messages.shown()[0].text.contains(QStringLiteral("<cidade>rio de janeiro</cidade>")));
    EXPECT_EQ(t.messages.shown()[0].style, mb::OKOnly);
    expectPointerRestored();
}

TEST_F(AddressLookup, AnswersThatFindNothing)
{
    struct Case {
        const char* name;
        QByteArray body;
        int status;
        bool shownWhole;  // the first box holds the answer's XML
    };
    const Case cases[] = {
        {"result 0", answer("0", "0", ""), 200, true},
        {"result -1", answer("-1", "1", kTwoEntries), 200, true},
        {"server error status", answer("0", "0", ""), 500, true},
        {"result not a number", answer("sim", "1", kTwoEntries), 200, true},
        {"no result element", QByteArray("<r><quantidade>1</quantidade><resultado_txt>x</resultado_txt></r>"), 200, true},
        {"no quantity element", QByteArray("<r><resultado>1</resultado><resultado_txt>x</resultado_txt></r>"), 200, true},
        {"an entry without its city",
         answer("1", "1", "<endereco><uf>sp</uf><tipo_logradouro>rua</tipo_logradouro><logradouro>x</logradouro></endereco>"),
         200, true},
        {"malformed XML", QByteArray("<webservicecep><resultado>1</resultado><quantidade>1"), 200, false},
        {"empty answer", QByteArray(), 200, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        t.messages.clear();
        endereco.focus = nullptr;
        LocalHttpServer server(c.body, c.status);
        pega_URL(p, server.url(QStringLiteral("/cep")), endereco, 5s);

        ASSERT_EQ(t.messages.shown().size(), 2u);
        if (c.shownWhole)
            EXPECT_TRUE(t.messages.shown()[0].text.contains(QStringLiteral("<resultado_txt>")) ||
                        t.messages.shown()[0].text.contains(QStringLiteral("<uf>")));
        else
            EXPECT_EQ(t.messages.shown()[0].text, "");
        EXPECT_EQ(t.messages.shown()[1].text, "Esta informação não foi localizada");
        EXPECT_EQ(t.messages.shown()[1].style, mb::Information | mb::OKOnly);
        expectUnchanged();
        EXPECT_EQ(endereco.focus, nullptr);
    }
}

// The reply as the workstation's request object reads it: decoded by the charset of the
// Content-Type header when it names one, and after the redirections the server asks for.
TEST_F(AddressLookup, RepliesAreReadByTheirHeadersCharsetAndAfterRedirections)
{
    const QString xml = QStringLiteral(
        "<webservicecep><resultado>1</resultado><resultado_txt>ok</resultado_txt><quantidade>1</quantidade>"
        "<endereco><uf>sp</uf><cidade>são paulo</cidade><tipo_logradouro>praça</tipo_logradouro>"
        "<logradouro>da sé</logradouro></endereco></webservicecep>");
    const QByteArray latin1 = xml.toLatin1();
    const QByteArray utf8 = xml.toUtf8();
    const QByteArray declaredUtf8 = QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>") + latin1;
    const QByteArray declaredLatin1 = QByteArray("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>") + latin1;
    using Answer = LocalHttpServer::Answer;
    // A redirection names a charset of its own, which must not decode the answer that follows.
    auto redirect = [](int status, const char* to) {
        return Answer{status, {}, "text/html; charset=windows-1252", to};
    };

    struct Case {
        const char* name;
        LocalHttpServer::Route route;
        QStringList paths;  // the paths asked for, in order
    };
    const Case cases[] = {
        {"Latin-1 named by the header only",
         [&](const QString&) { return Answer{200, latin1, "text/xml; charset=ISO-8859-1"}; }, {"/cep"}},
        {"quoted windows-1252, parameter in capitals",
         [&](const QString&) { return Answer{200, latin1, "text/xml;CHARSET=\"windows-1252\""}; }, {"/cep"}},
        {"UTF-8 named by the header",
         [&](const QString&) { return Answer{200, utf8, "application/xml; charset=utf-8"}; }, {"/cep"}},
        {"the header's charset over the document's declaration",
         [&](const QString&) { return Answer{200, declaredUtf8, "text/xml; charset=iso-8859-1"}; }, {"/cep"}},
        {"no charset in the header: the declaration",
         [&](const QString&) { return Answer{200, declaredLatin1, "text/xml"}; }, {"/cep"}},
        {"moved permanently",
         [&](const QString& path) {
             return path == "/cep" ? redirect(301, "/v2/cep?x=1") : Answer{200, utf8, "text/xml; charset=UTF-8"};
         },
         {"/cep", "/v2/cep?x=1"}},
        {"found, three times",
         [&](const QString& path) {
             if (path == "/cep")
                 return redirect(302, "/a");
             if (path == "/a")
                 return redirect(302, "/b");
             if (path == "/b")
                 return redirect(302, "/c");
             return Answer{200, latin1, "text/xml; charset=ISO-8859-1"};
         },
         {"/cep", "/a", "/b", "/c"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        t.messages.clear();
        endereco = AddressForm{};
        LocalHttpServer server(c.route);
        pega_URL(p, server.url(QStringLiteral("/cep")), endereco, 5s);

        EXPECT_EQ(server.paths(), c.paths);
        ASSERT_EQ(t.messages.shown().size(), 1u) << t.messages.texts().join(" / ").toStdString();
        EXPECT_TRUE(t.messages.shown()[0].text.contains(QStringLiteral("<cidade>são paulo</cidade>")));
        EXPECT_EQ(endereco.uf.text, "SP");
        EXPECT_EQ(endereco.cidade.text, "SÃO PAULO");
        EXPECT_EQ(endereco.logradouro.text, "PRAÇA DA SÉ");
        EXPECT_EQ(endereco.focus, &endereco.logradouro);
    }
}

TEST_F(AddressLookup, EndlessRedirectionsStopAtTheLimitAndRaise)
{
    // /cep sends to /r1, /r1 to /r2, and so on without end.
    LocalHttpServer server([](const QString& path) {
        return LocalHttpServer::Answer{302, {}, "text/html", "/r" + QByteArray::number(path.mid(2).toInt() + 1)};
    });
    try {
        pega_URL(p, server.url(QStringLiteral("/cep")), endereco, 5s);
        ADD_FAILURE() << "a redirection loop went unnoticed";
    } catch (const ProgramError& e) {
        EXPECT_EQ(e.number(), -2147012740);
        EXPECT_EQ(e.source(), "msxml3.dll");
    }
    EXPECT_EQ(server.paths().size(), 1 + HttpClient::kMaxRedirects);
    EXPECT_TRUE(t.messages.shown().empty());
    expectUnchanged();
    expectPointerRestored();
}

TEST_F(AddressLookup, FoundWithoutEntriesOnlyMovesTheFocus)
{
    LocalHttpServer server(answer(QStringLiteral("1"), QStringLiteral("0"), kTwoEntries));
    pega_URL(p, server.url(QStringLiteral("/cep")), endereco, 5s);
    EXPECT_EQ(t.messages.shown().size(), 1u);
    expectUnchanged();
    EXPECT_EQ(endereco.focus, &endereco.logradouro);
}

TEST_F(AddressLookup, NoAnswerRaisesWithThePointerRestored)
{
    {
        SCOPED_TRACE("refused");
        const QString url = QStringLiteral("http://127.0.0.1:") + QString::number(LocalHttpServer::closedPort()) +
                            QStringLiteral("/cep");
        try {
            pega_URL(p, url, endereco, 5s);
            ADD_FAILURE() << "a refused connection went unnoticed";
        } catch (const ProgramError& e) {
            EXPECT_EQ(e.number(), -2147012867);
        }
        expectPointerRestored();
    }
    {
        SCOPED_TRACE("silent server");
        LocalHttpServer server = LocalHttpServer::silent();
        try {
            pega_URL(p, server.url(QStringLiteral("/cep")), endereco, 300ms);
            ADD_FAILURE() << "no answer went unnoticed";
        } catch (const ProgramError& e) {
            EXPECT_EQ(e.number(), -2147012894);
        }
        EXPECT_EQ(server.requests(), 1);
        EXPECT_EQ(t.screen.pointer(), Screen::Pointer::Default);
        EXPECT_EQ(t.screen.pointerChanges(), 4);
    }
    EXPECT_TRUE(t.messages.shown().empty());
    expectUnchanged();
    EXPECT_EQ(endereco.focus, nullptr);
}

}  // namespace
