#include "barcode/bar39.h"

#include "barcode/frame.h"
#include "platform/vb.h"

bool Bar39::CheckCode()
{
    s_.text = vb::Replace(s_.text, QStringLiteral("*"), QString());
    return s_.validate(QStringLiteral("Bar 39"));
}

void Bar39::Code39(PictureBox& zObj, int16_t zBarH, const QString& BarText, bool zWithCheckSum)
{
    s_.target = &zObj;
    s_.check = zWithCheckSum;
    Bar39Table();
    s_.text = BarText;
    s_.caption = true;
    zObj.cls();
    CheckCode();
    s_.barHeight = barcode::times16(10, zBarH);
    s_.barTop = 10;
    barcode::prepareSurface(zObj);
    zObj.setHeight(barcode::twipsOf(kTwipsPerPixel * (zObj.textHeight(s_.text) + s_.barHeight + 25)));
    // Sized to the symbol, whatever its length: 13 columns a character from x 12, and as many free
    // columns right of it as left.
    zObj.setWidth(barcode::twipsOf(kTwipsPerPixel * (13.0 * s_.symbolLength() + 24)));
    Bar39Symbol(s_.text);
}
