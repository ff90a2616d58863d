#include "barcode/frame.h"

#include "platform/errors.h"

#include <climits>
#include <cmath>
#include <cstring>

namespace barcode {

int16_t times16(int32_t a, int32_t b)
{
    const int64_t p = int64_t{a} * b;
    if (p < INT16_MIN || p > INT16_MAX)
        vberr::raise(vberr::Overflow);
    return static_cast<int16_t>(p);
}

Twips twipsOf(double twips)
{
    const double rounded = std::round(twips);
    if (!(rounded >= INT_MIN && rounded <= INT_MAX))
        vberr::raise(vberr::Overflow);
    return Twips{static_cast<int>(rounded)};
}

void prepareSurface(PictureBox& box)
{
    box.setBackColor(PictureBox::kWhite);
    box.setAutoRedraw(true);
    box.setPixelScale();
}

namespace {

// Dark pixels (a caption's edges included) become black, the rest white.
QImage toBlackAndWhite(const QImage& drawing)
{
    QImage mono(drawing.size(), QImage::Format_Mono);
    mono.setColorTable({0xFF000000u, 0xFFFFFFFFu});
    // Black to start with, the row padding included, so equal drawings compare equal byte for byte.
    std::memset(mono.bits(), 0, std::size_t(mono.sizeInBytes()));
    for (int y = 0; y < drawing.height(); ++y) {
        const QRgb* from = reinterpret_cast<const QRgb*>(drawing.constScanLine(y));
        uchar* to = mono.scanLine(y);
        for (int x = 0; x < drawing.width(); ++x)
            if (qGray(from[x]) >= 128)
                to[x >> 3] |= uchar(0x80 >> (x & 7));
    }
    return mono;
}

bool sameBits(const QImage& a, const QImage& b)
{
    if (a.size() != b.size() || a.format() != b.format() || a.bytesPerLine() != b.bytesPerLine())
        return false;
    return std::memcmp(a.constBits(), b.constBits(), std::size_t(a.sizeInBytes())) == 0;
}

}  // namespace

void takeSymbolPicture(PictureBox& box, const QString& encoded)
{
    // The last symbol taken, whatever box it went to; one picture, so little to keep.
    static Picture last;
    QImage mono = toBlackAndWhite(box.image());
    if (last.barcode != encoded || !sameBits(last.image, mono)) {
        last = Picture();
        last.image = std::move(mono);
        last.barcode = encoded;
    }
    box.setPicture(last);
}

void printAt(PictureBox& box, double x, double y, const QString& text)
{
    box.setCurrentX(x);
    box.setCurrentY(y);
    box.print(text);
}

}  // namespace barcode
