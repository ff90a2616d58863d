#include "barcode/frame.h"

#include "platform/errors.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// Whether a pixel is light: qGray() of 128 or more, that is 11 r + 16 g + 5 b of 4096 or more.
inline uint light(QRgb p) { return uint(qGray(p) >= 128); }

// Eight pixels to one byte of a 1-bit row, the first pixel in the high bit.
inline uchar eightPixels(const QRgb* p)
{
#if defined(__SSE2__)
    const __m128i byteMask = _mm_set1_epi32(0xFF);
    const __m128i threshold = _mm_set1_epi32(4095);
    auto four = [&](const QRgb* q) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(q));
        const __m128i r = _mm_and_si128(_mm_srli_epi32(v, 16), byteMask);
        const __m128i g = _mm_and_si128(_mm_srli_epi32(v, 8), byteMask);
        const __m128i b = _mm_and_si128(v, byteMask);
        const __m128i r11 = _mm_add_epi32(_mm_add_epi32(_mm_slli_epi32(r, 3), _mm_slli_epi32(r, 1)), r);
        const __m128i b5 = _mm_add_epi32(_mm_slli_epi32(b, 2), b);
        const __m128i sum = _mm_add_epi32(_mm_add_epi32(r11, _mm_slli_epi32(g, 4)), b5);
        // Lane i of the mask is bit i: pixel i of the four.
        return uint(_mm_movemask_ps(_mm_castsi128_ps(_mm_cmpgt_epi32(sum, threshold))));
    };
    static constexpr uchar kReversed[16] = {0, 8, 4, 12, 2, 10, 6, 14, 1, 9, 5, 13, 3, 11, 7, 15};
    return uchar(kReversed[four(p)] << 4 | kReversed[four(p + 4)]);
#else
    uint byte = 0;
    for (int i = 0; i < 8; ++i)
        byte |= light(p[i]) << (7 - i);
    return uchar(byte);
#endif
}

// Dark pixels (a caption's edges included) become black, the rest white.
QImage toBlackAndWhite(const QImage& drawing)
{
    const int w = drawing.width(), h = drawing.height();
    QImage mono(w, h, QImage::Format_Mono);
    mono.setColorTable({0xFF000000u, 0xFFFFFFFFu});
    const qsizetype toStride = mono.bytesPerLine(), fromStride = drawing.bytesPerLine();
    uchar* to = mono.bits();
    const uchar* from = drawing.constBits();
    // Black to start with, the row padding included, so equal drawings compare equal byte for byte.
    std::memset(to, 0, std::size_t(mono.sizeInBytes()));
    for (int y = 0; y < h; ++y, to += toStride, from += fromStride) {
        const QRgb* pixel = reinterpret_cast<const QRgb*>(from);
        int x = 0;
        for (; x + 8 <= w; x += 8)
            to[x >> 3] = eightPixels(pixel + x);
        for (; x < w; ++x)
            to[x >> 3] |= uchar(light(pixel[x]) << (7 - (x & 7)));
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
