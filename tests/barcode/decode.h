#pragma once

#include <QImage>
#include <QString>

#include <ZXing/BarcodeFormat.h>
#include <ostream>

// Failure messages show texts as text.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

// An independent reading of what was drawn: the zxing-cpp decoder.
namespace decode {

// Decodes a surface drawn at one pixel per module: scaled up 4 times, nearest neighbour, on a
// white quiet zone. Empty when nothing of the format is found.
QString surface(const QImage& image, ZXing::BarcodeFormat format, bool code39CheckChar = false);
// Decodes an image as it is (a rasterised page).
QString page(const QImage& image, ZXing::BarcodeFormat format);

// The modules zxing-cpp's own writer gives a text, without quiet zone.
QString written(ZXing::BarcodeFormat format, const QString& text);

// The modules of one pixel row, "1" for a dark pixel and "0" for a light one.
QString modules(const QImage& image, int y, int x, int count);

}  // namespace decode
