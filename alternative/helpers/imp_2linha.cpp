#include "alternative/helpers/imp_2linha.h"

#include "platform/errors.h"

#include <QCoreApplication>

void imp_2linha(Program& p, float linha, float coluna, const QString& texto, int16_t Posicao, const QString& FONTE,
                float Tamanho, bool Negrito, bool italico, bool Sublinhado)
{
    PrinterSystem& printers = p.ws.printers;
    tryStep([] { QCoreApplication::processEvents(); });
    tryStep([&] { printers.current().setFontName(FONTE); });
    tryStep([&] { printers.current().setFontSize(Tamanho); });
    tryStep([&] { printers.current().setFontBold(Negrito); });
    tryStep([&] { printers.current().setFontItalic(italico); });
    tryStep([&] { printers.current().setFontUnderline(Sublinhado); });
    tryStep([&] { printers.current().setCurrentY(linha); });
    tryStep([&] {
        Printer& printer = printers.current();
        switch (Posicao) {
        case 0:
            printer.setCurrentX(coluna);
            break;
        case 1:
            printer.setCurrentX(coluna - printer.textWidth(texto) / 2);
            break;
        default:
            printer.setCurrentX(coluna - printer.textWidth(texto));
            break;
        }
    });
    tryStep([&] { printers.current().print(texto); });
}
