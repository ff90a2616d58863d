#include "barcode/frame.h"

#include "platform/errors.h"

#include <climits>
#include <cmath>

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

void printAt(PictureBox& box, double x, double y, const QString& text)
{
    box.setCurrentX(x);
    box.setCurrentY(y);
    box.print(text);
}

}  // namespace barcode
