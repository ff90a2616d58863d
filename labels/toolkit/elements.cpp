#include "labels/toolkit/elements.h"

namespace labels {

void applyFont(Printer& printer, const FontSpec& font)
{
    if (font.name)
        printer.setFontName(QString::fromUtf8(font.name));
    if (font.points > 0)
        printer.setFontSize(font.points);
    if (font.bold != Bold::Keep)
        printer.setFontBold(font.bold == Bold::On);
}

void printAt(Printer& printer, double x, double y, const QString& text)
{
    printer.setCurrentX(x);
    printer.setCurrentY(y);
    printer.print(text);
}

}  // namespace labels
