#include "barcode/bar128.h"

#include "barcode/frame.h"

void Bar128::Code128(PictureBox& zObj, int16_t zBarH, const QString& BarText)
{
    s_.target = &zObj;
    Bar128Table();
    s_.text = BarText;
    s_.caption = true;
    zObj.cls();
    s_.validate();
    s_.barHeight = barcode::times16(10, zBarH);
    s_.barTop = 10;
    barcode::prepareSurface(zObj);
    zObj.setHeight(barcode::twipsOf(kTwipsPerPixel * (zObj.textHeight(s_.text) + s_.barHeight + 25)));
    zObj.setWidth(barcode::twipsOf(Code128Symbol::widthFor(Bar128Count(s_.text))));
    Bar128Symbol(s_.text);
}
