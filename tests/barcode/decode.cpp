#define ZX_USE_UTF8 1
#include "tests/barcode/decode.h"
#include "tests/common/symbols.h"

#include <QPainter>
#include <ZXing/BitMatrix.h>
#include <ZXing/MultiFormatWriter.h>
#include <ZXing/ReadBarcode.h>

namespace decode {

namespace {

QString read(const QImage& image, ZXing::BarcodeFormat format, bool code39CheckChar)
{
    return symbols::read(image, format, code39CheckChar);
}

}  // namespace

QString surface(const QImage& image, ZXing::BarcodeFormat format, bool code39CheckChar)
{
    constexpr int kScale = 4, kQuiet = 40;
    QImage big(image.width() * kScale + 2 * kQuiet, image.height() * kScale + 2 * kQuiet, QImage::Format_RGB32);
    big.fill(Qt::white);
    QPainter p(&big);
    p.drawImage(QRect(kQuiet, kQuiet, image.width() * kScale, image.height() * kScale), image);
    p.end();
    return read(big, format, code39CheckChar);
}

QString page(const QImage& image, ZXing::BarcodeFormat format) { return read(image, format, false); }

QString written(ZXing::BarcodeFormat format, const QString& text)
{
    const ZXing::BitMatrix m = ZXing::MultiFormatWriter(format).setMargin(0).encode(text.toStdString(), 0, 1);
    QString out;
    for (int x = 0; x < m.width(); ++x)
        out += m.get(x, 0) ? u'1' : u'0';
    return out;
}

QString modules(const QImage& image, int y, int x, int count)
{
    QString out;
    for (int i = 0; i < count; ++i)
        out += qGray(image.pixel(x + i, y)) < 128 ? u'1' : u'0';
    return out;
}

}  // namespace decode
