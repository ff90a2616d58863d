#pragma once

#include "platform/picturebox.h"

#include <QString>
#include <cstdint>

// Draws BarText as a Code 39 symbol into the picture box, "*" removed and upper-cased, with the
// modulo-43 check character when zWithCheckSum is set and the text under the bars when HasCaption
// is, and leaves the drawing as the box's picture, whose barcode text is the cleaned text. Raises a
// BarcodeError for a character outside the Code 39 set, leaving the box without a picture.
void DrawCode39(PictureBox& zObj, int16_t zBarH, const QString& BarText, bool zWithCheckSum, bool HasCaption);
