#include "rawprint/imprime_pacote_zpl.h"

#include "platform/errors.h"
#include "platform/vb.h"
#include "rawprint/envio.h"
#include "rawprint/zpl.h"


namespace {

// Read top to bottom like the label; the right label lies 430 dots to the right.
struct Field {
    const char* left;
    const char* right;
};
constexpr Field kPacote[] = {
    {"^FO70, 40^A0N,60,50^FD", "^FO500, 40^A0N,60,50^FD"},              // colour, characters 1-8
    {"^FO70, 100^A0N,60,50^FD", "^FO500, 100^A0N,60,50^FD"},            // colour, characters 9-16
    {"^FO70, 160^A0N,70,60^FD", "^FO500, 160^A0N,70,60^FD"},            // reference
    {"^FO70, 223^A0N,30,20^FD", "^FO500, 223^A0N,30,20^FD"},            // description, 1-30
    {"^FO70, 247^A0N,30,20^FD", "^FO500, 247^A0N,30,20^FD"},            // description, 31-60
    {"^FO70, 275^BY3,,60^BEN,60,N,N,N^FD", "^FO500, 275^BY3,,60^BEN,60,N,N,N^FD"},  // EAN-13
    {"^FO70, 350^A0N,35,25^FD", "^FO500, 350^A0N,35,25^FD"},            // code
    {"^FO250, 350^A0N,35,25^FD", "^FO680, 350^A0N,35,25^FD"},           // week
};

}  // namespace

QString RET_CODCERTO(const QString& M_COD)
{
    const int n = 13 - vb::Len(vb::Trim(M_COD));
    return n > 0 ? vb::String(n, u'0') + M_COD : M_COD;
}

QStringList linhasPacoteZpl(const PacoteZpl& item, long long labels)
{
    const QString data[] = {
        vb::Mid(item.cor, 1, 8),        vb::Mid(item.cor, 9, 8),        vb::Right(item.codigo, 3),
        vb::Mid(item.descricao, 1, 30), vb::Mid(item.descricao, 31, 30), RET_CODCERTO(item.codigo),
        vb::Trim(item.codigo),          vb::Trim(item.semana),
    };
    QStringList lines;
    int posicao = 0;
    bool aberto = false;
    for (long long k = 1; k <= labels; ++k) {
        ++posicao;
        const bool left = posicao == 1;
        if (left)
            lines << QStringLiteral("^XA") << QStringLiteral("^MNY") << QStringLiteral("^LT0") << QStringLiteral("^LH0,0");
        for (int i = 0; i < static_cast<int>(std::size(kPacote)); ++i)
            lines << dotsToQuotes(QString::fromLatin1(left ? kPacote[i].left : kPacote[i].right) + data[i] +
                                  QStringLiteral("^FS"));
        if (left) {
            aberto = true;
        } else {
            lines << QStringLiteral("^XZ");
            aberto = false;
            posicao = 0;
        }
    }
    if (aberto)
        lines << QStringLiteral("^XZ");
    return lines;
}

void imprime_pacote_zpl(Program& p)
{
    MainForm& f = p.form;
    tryStep([&] { deleteSpool(p.ws); });
    TextBox& cell = f.txtnumero[1];
    if (vb::Trim(cell.text).isEmpty()) {
        p.ws.messages.show(QStringLiteral("Informe o Número de Pacotes"), mb::OKOnly);
        f.focusRequest = &cell;
        return;
    }
    // A size cell holds a 16-bit quantity; text that is not one prints no label.
    long long labels = 0;
    tryStep([&] { labels = vb::CInt(cell.text); });
    const PacoteZpl item{f.txtcor.text, f.txtcodigo.text, f.txtdescricao.text, f.txtsemana.text};
    sendRawJob(p, linhasPacoteZpl(item, labels), kPacoteBatch);
}
