#pragma once

#include "platform/picturebox.h"

#include <QString>
#include <cstdint>

// Draws BarText (7 digits; the check digit is computed here) as an EAN-8 symbol into the picture
// box and leaves the drawing as the box's picture, whose barcode text is the 8 digits drawn.
// Raises a BarcodeError for a text that is not 7 digits, leaving the box without a picture.
void DrawEAN8(PictureBox& zObj, int16_t zBarH, const QString& BarText, bool HasCaption);
