#pragma once

#include "platform/picturebox.h"
#include "platform/units.h"

#include <QString>
#include <cstdint>
#include <string_view>

// What the four drawers share: a white pixel surface with persistent drawing, one pixel column per
// module at x = module counter + 10, and the workstation's 16-bit arithmetic where it overflows.
namespace barcode {

// The 16-bit product the drawers compute bar heights and weights in; raises "Overflow" when it
// does not fit.
int16_t times16(int32_t a, int32_t b);

// A size in twips computed in floating point, rounded; raises "Overflow" past what a size can hold.
Twips twipsOf(double twips);

// Background white (which clears the drawing), persistent drawing on, pixel scale.
void prepareSurface(PictureBox& box);

// One module column: black for '1', white for anything else. Light modules are drawn too, so the
// symbol never depends on what the background held.
inline void drawModule(PictureBox& box, int32_t counter, char module, int32_t top, int32_t length)
{
    const int x = counter + 10;
    box.line(x, top, x, top + length, module == '1' ? PictureBox::kBlack : PictureBox::kWhite);
}

// Takes the drawing as the box's picture, as a 1-bit black and white image that names the text it
// encodes: a printer gets the bars without loss and never as a photograph. When the drawing is
// the same as the last symbol's, the picture is that same image again, so a document that
// prints one code many times can keep one copy of it.
void takeSymbolPicture(PictureBox& box, const QString& encoded);

// Prints text with its top-left corner at (x, y) on the surface.
void printAt(PictureBox& box, double x, double y, const QString& text);

}  // namespace barcode
