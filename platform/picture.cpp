#include "platform/picture.h"

namespace {
double mmPerPixel(int dotsPerMeter)
{
    return dotsPerMeter > 0 ? 1000.0 / dotsPerMeter : 25.4 / 96.0;
}
}  // namespace

double Picture::widthMm() const { return image.width() * mmPerPixel(image.dotsPerMeterX()); }

double Picture::heightMm() const { return image.height() * mmPerPixel(image.dotsPerMeterY()); }

Picture Picture::load(const QString& realPath)
{
    Picture p;
    if (realPath.isEmpty())
        return p;
    p.image = QImage(realPath);
    if (!p.image.isNull())
        p.file = realPath;
    return p;
}
