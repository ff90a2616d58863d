#include "labels/pack/ajusta_fonte.h"

#include "labels/toolkit/description.h"

void defineTamanho(Printer& impressora, double tamanho)
{
    if (tamanho > 0)
        impressora.setFontSize(tamanho);
}

double ajusta_fonte(Printer& impressora, const QString& texto, const Ajuste& a)
{
    if (a.fonte)
        impressora.setFontName(QString::fromUtf8(a.fonte));
    impressora.setFontBold(a.negrito);
    defineTamanho(impressora, a.inicial);
    double s = a.inicial;
    int c = a.contadorInicial;

    // A long text is measured only as far as it reaches past the limit, at every step.
    const labels::TextWidth largura = [&](const QString& t) { return impressora.textWidth(t); };
    if (labels::widthAgainst(texto, largura, a.limite) > a.limite) {
        auto cabe = [&] {
            const double w = labels::widthAgainst(texto, largura, a.limite);
            return a.abaixoDoLimite ? w < a.limite : w <= a.limite;
        };
        do {
            s -= a.passo;
            defineTamanho(impressora, impressora.fontSize() - a.passo);
            ++c;
        } while (!cabe() && c <= a.maximo);
    }
    if (a.aplicaTamanho)
        defineTamanho(impressora, s);
    return s;
}
