#include "alternative/helpers/pega_url.h"

#include "platform/errors.h"
#include "platform/httpclient.h"
#include "platform/vb.h"

#include <QDomDocument>
#include <optional>

namespace {

// Numbers and texts of the request object's own failures.
constexpr long kCannotConnect = -2147012867;
constexpr long kTimedOut = -2147012894;
constexpr long kRedirectFailed = -2147012740;
const QString kSource = QStringLiteral("msxml3.dll");

// The text of the first element of that name anywhere in the document.
std::optional<QString> first(const QDomDocument& doc, const QString& name)
{
    const QDomNodeList nodes = doc.elementsByTagName(name);
    if (nodes.isEmpty())
        return std::nullopt;
    return nodes.item(0).toElement().text().trimmed();
}

std::optional<int> whole(const std::optional<QString>& text)
{
    if (!text)
        return std::nullopt;
    try {
        return vb::CInt(*text);
    } catch (const ProgramError&) {
        return std::nullopt;
    }
}

}  // namespace

void pega_URL(Program& p, const QString& M_URL, AddressForm& endereco, std::chrono::milliseconds tempoLimite)
{
    if (!p.ws.http)
        vberr::raise(vberr::InvalidCall, QStringLiteral("HttpClient"));

    HttpClient::Reply reply;
    {
        Screen::Busy busy(p.ws.screen);
        reply = p.ws.http->post(M_URL, {}, tempoLimite);
    }
    if (reply.outcome == HttpClient::Reply::Outcome::TimedOut)
        throw ProgramError(kTimedOut, kSource, QStringLiteral("The operation timed out"));
    if (reply.outcome == HttpClient::Reply::Outcome::RedirectFailed)
        throw ProgramError(kRedirectFailed, kSource,
                           QStringLiteral("The redirection failed because either the scheme changed or all "
                                          "attempts made to redirect failed"));
    if (!reply.answered())
        throw ProgramError(kCannotConnect, kSource,
                           QStringLiteral("A connection with the server could not be established"));

    // The reply's text as the request object gives it: decoded by the header's charset, whatever
    // the document then declares. Without one the parser reads the bytes: a byte-order mark or
    // the XML declaration names the encoding, else UTF-8.
    QDomDocument doc;
    const std::optional<QString> text = reply.textByHeaderCharset();
    const bool wellFormed = static_cast<bool>(text ? doc.setContent(*text) : doc.setContent(reply.body));
    // A document that does not load has no XML text to show.
    p.ws.messages.show(wellFormed ? doc.toString(-1) : QString(), mb::OKOnly);

    const auto resultado = whole(first(doc, QStringLiteral("resultado")));
    const auto quantidade = whole(first(doc, QStringLiteral("quantidade")));
    const auto resultadoTxt = first(doc, QStringLiteral("resultado_txt"));
    const auto uf = first(doc, QStringLiteral("uf"));
    const auto cidade = first(doc, QStringLiteral("cidade"));
    const auto tipo = first(doc, QStringLiteral("tipo_logradouro"));
    const auto logradouro = first(doc, QStringLiteral("logradouro"));

    const bool found = resultado && quantidade && resultadoTxt && *resultado >= 1;
    const bool entries = found && *quantidade >= 1;
    // Entries to take but one of their elements missing: nothing is half filled.
    if (!found || (entries && !(uf && cidade && tipo && logradouro))) {
        p.ws.messages.show(QStringLiteral("Esta informação não foi localizada"), mb::Information | mb::OKOnly);
        return;
    }
    if (entries) {
        endereco.uf.text = vb::UCase(*uf);
        endereco.cidade.text = vb::UCase(*cidade);
        endereco.logradouro.text = vb::UCase(*tipo) + u' ' + vb::UCase(*logradouro);
    }
    endereco.focus = &endereco.logradouro;
}
