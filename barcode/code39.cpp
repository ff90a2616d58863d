#include "barcode/code39.h"

#include "barcode/code39symbol.h"
#include "barcode/frame.h"
#include "platform/vb.h"

namespace {

// The module's one symbol; every call overwrites it.
Code39Symbol s;

bool CheckCode39()
{
    s.text = vb::UCase(vb::Replace(s.text, QStringLiteral("*"), QString()));
    return s.validate(QStringLiteral("Bar 39"));
}

}  // namespace

void DrawCode39(PictureBox& zObj, int16_t zBarH, const QString& BarText, bool zWithCheckSum, bool HasCaption)
{
    s.target = &zObj;
    s.check = zWithCheckSum;
    s.InitTable39();
    s.text = BarText;
    s.caption = HasCaption;
    zObj.clearPicture();
    CheckCode39();
    s.barHeight = barcode::times16(10, zBarH);
    s.barTop = 10;
    barcode::prepareSurface(zObj);
    const double pixels = s.caption ? zObj.textHeight(s.text) + s.barHeight + 25 : s.barHeight + 20;
    zObj.setHeight(barcode::twipsOf(kTwipsPerPixel * pixels));
    zObj.setWidth(barcode::twipsOf(16.0 * (20 + 12 * s.symbolLength())));
    s.DrawSymbol39(s.text);
    barcode::takeSymbolPicture(zObj, s.text);
}
