#include "alternative/loaders/verifica_arquivo.h"

#include "alternative/loaders/earlierorder.h"
#include "platform/vb.h"

namespace {

struct EarlierName {
    const char16_t* tipo;    // label type, exact text
    const char16_t* suffix;  // after the order number
    const char16_t* letter;  // tipo_arquivo
};

// Box-front and hidden labels share one file; only the letter tells them apart.
constexpr EarlierName kNames[] = {
    {u"Frente de Caixa", u"a.txt", u"a"},
    {u"Oculta", u"a.txt", u"c"},
    {u"Corrugado", u"b.txt", u"b"},
    {u"Acessório", u"_AC.txt", u"AC"},
};

}  // namespace

void verifica_arquivo(Program& p)
{
    MainForm& f = p.form;
    f.nome_arquivo.clear();
    f.tipo_arquivo.clear();

    const QString numero = vb::Trim(f.txtarquivo.text);
    if (numero.isEmpty())
        return;
    for (const EarlierName& n : kNames)
        if (f.cmbtipo.text == QString::fromUtf16(n.tipo)) {
            f.nome_arquivo = numero + QString::fromUtf16(n.suffix);
            f.tipo_arquivo = QString::fromUtf16(n.letter);
            break;
        }

    // With no name the path is the program folder itself, which the look-up finds as long as the
    // folder holds a file (it holds the program).
    const bool found = f.nome_arquivo.isEmpty()
                           ? !p.ws.files.list(p.ws.files.programFolder(), QStringLiteral("*")).isEmpty()
                           : earlierOrderExists(p);
    if (!found)
        p.ws.messages.show(QStringLiteral("O arquivo ") + f.nome_arquivo + QStringLiteral(", não foi localizado..."));
}
