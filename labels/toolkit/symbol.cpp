#include "labels/toolkit/symbol.h"

#include "barcode/ean13.h"
#include "platform/vb.h"

namespace labels {

void drawLabelSymbol(Program& program)
{
    DrawEAN13(program.form.Picture1, 1, vb::Left(program.form.txtbarra.text, 12), 0, program.g);
}

}  // namespace labels
