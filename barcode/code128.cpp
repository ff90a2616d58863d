#include "barcode/code128.h"

#include "barcode/code128symbol.h"
#include "barcode/frame.h"

namespace {

// The module's one symbol; every call overwrites it.
Code128Symbol s;

}  // namespace

void DrawCode128(PictureBox& zObj, int16_t zBarH, const QString& BarText, bool HasCaption)
{
    s.target = &zObj;
    s.InitTable128();
    s.text = BarText;
    s.caption = HasCaption;
    zObj.clearPicture();
    s.validate();
    s.barHeight = barcode::times16(10, zBarH);
    s.barTop = 10;
    barcode::prepareSurface(zObj);
    const double pixels = s.caption ? zObj.textHeight(s.text) + s.barHeight + 25 : s.barHeight + 20;
    zObj.setHeight(barcode::twipsOf(kTwipsPerPixel * pixels));
    zObj.setWidth(barcode::twipsOf(Code128Symbol::widthFor(Code128Symbol::CountChars128(s.text))));
    s.DrawSymbol128(s.text);
    barcode::takeSymbolPicture(zObj, s.text);
}
