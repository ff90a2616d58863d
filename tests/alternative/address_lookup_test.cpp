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
