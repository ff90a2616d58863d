#pragma once

#include <QImage>
#include <QRectF>
#include <QString>
#include <ZXing/BarcodeFormat.h>

// What zxing-cpp, an independent decoder, reads of the symbols the program draws and prints.
namespace symbols {

// One symbol of the format in the image as it is; empty when none is found.
QString read(const QImage& image, ZXing::BarcodeFormat format, bool code39CheckChar = false);
// One symbol in a band of a page rasterised at dpi, from x0 to x1 millimetres across.
QString readBand(const QImage& page, int dpi, double x0, double x1, ZXing::BarcodeFormat format);
// One symbol in a rectangle of a page rasterised at dpi, in millimetres.
QString readArea(const QImage& page, int dpi, const QRectF& mm, ZXing::BarcodeFormat format);

}  // namespace symbols
