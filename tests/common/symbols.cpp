#define ZX_USE_UTF8 1
#include "tests/common/symbols.h"

#include <ZXing/ReadBarcode.h>

namespace symbols {

namespace {
int px(double mm, int dpi) { return qRound(mm / 25.4 * dpi); }
}  // namespace

QString read(const QImage& image, ZXing::BarcodeFormat format, bool code39CheckChar)
{
    const QImage gray = image.convertToFormat(QImage::Format_Grayscale8);
    const ZXing::ImageView view(gray.constBits(), gray.width(), gray.height(), ZXing::ImageFormat::Lum,
                                static_cast<int>(gray.bytesPerLine()));
    ZXing::DecodeHints hints;
    hints.setFormats(format);
    hints.setTryHarder(true);
    hints.setValidateCode39CheckSum(code39CheckChar);
    const ZXing::Result r = ZXing::ReadBarcode(view, hints);
    return r.isValid() ? QString::fromStdString(r.text()) : QString();
}

QString readBand(const QImage& page, int dpi, double x0, double x1, ZXing::BarcodeFormat format)
{
    const int left = px(x0, dpi), right = qMin(page.width(), px(x1, dpi));
    return read(page.copy(left, 0, right - left, page.height()), format);
}

QString readArea(const QImage& page, int dpi, const QRectF& mm, ZXing::BarcodeFormat format)
{
    return read(page.copy(px(mm.x(), dpi), px(mm.y(), dpi), px(mm.width(), dpi), px(mm.height(), dpi)), format);
}

}  // namespace symbols
