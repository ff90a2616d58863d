#pragma once

#include "platform/picturebox.h"

#include <QString>
#include <cstdint>

// Draws BarText as a Code 128 symbol into the picture box, in set B with a final run of four or
// more digits in set C, and leaves the drawing as the box's picture, whose barcode text is
// BarText. Raises a BarcodeError for an empty text or a character outside set B (codes 32 to 126)
// before anything is drawn, leaving the box without a picture.
void DrawCode128(PictureBox& zObj, int16_t zBarH, const QString& BarText, bool HasCaption);
