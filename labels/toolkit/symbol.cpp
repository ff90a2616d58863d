#include "labels/toolkit/symbol.h"

#include "barcode/ean13.h"
#include "platform/vb.h"
#include "settings/ean.h"

#include <algorithm>

namespace labels {

void drawLabelSymbol(Program& program)
{
    DrawEAN13(program.form.Picture1, 1, vb::Left(program.form.txtbarra.text, 12), 0, program.g);
}

void checkPrintedDigits(const QString& code)
{
    // Blanks after the code print as nothing.
    QString digits = code;
    while (digits.endsWith(u' '))
        digits.chop(1);
    const auto isDigit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    if (digits.size() > 13)
        throw PrintedDigitsError(std::all_of(digits.begin(), digits.end(), isDigit)
                                     ? QStringLiteral("tem mais de 13 dígitos")
                                     : QStringLiteral("tem mais de 13 caracteres, e não só dígitos"));
    const QString first12 = digits.left(12);
    const bool twelveDigits = std::all_of(first12.begin(), first12.end(), isDigit);
    if (digits.size() == 13 && twelveDigits && !ean13CheckDigitMatches(digits))
        throw PrintedDigitsError(QStringLiteral("o dígito verificador não confere"));
}

void drawSymbolBeforeLabels(Program& program, const QString& code, int count)
{
    if (count < 1)
        return;
    checkPrintedDigits(code);
    program.form.txtbarra.text = code;
    drawLabelSymbol(program);
}

void drawLabelSymbolInPixels(Program& program, const QString& code)
{
    Printer& printer = program.ws.printers.current();
    struct MillimetresAgain {
        Printer& printer;
        ~MillimetresAgain() { printer.setScaleMode(ScaleMode::Millimetres); }
    } restore{printer};
    printer.setScaleMode(ScaleMode::Pixels);
    program.form.txtbarra.text = code;
    drawLabelSymbol(program);
}

}  // namespace labels
