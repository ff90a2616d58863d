#include "labels/toolkit/symbol.h"

#include "barcode/ean13.h"
#include "platform/vb.h"

namespace labels {

void drawLabelSymbol(Program& program)
{
    DrawEAN13(program.form.Picture1, 1, vb::Left(program.form.txtbarra.text, 12), 0, program.g);
}

void drawSymbolBeforeLabels(Program& program, const QString& code, int count)
{
    if (count < 1)
        return;
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
