#pragma once

#include "form/globals.h"
#include "platform/picturebox.h"

#include <QString>
#include <cstdint>

// Draws BarText (12 digits; the check digit is computed here) as an EAN-13 symbol into the
// picture box, one pixel column per module, and leaves the drawing as the box's picture, whose
// barcode text is the 13 digits drawn. The width follows the barcode width factor. Raises a
// BarcodeError for a text that is not 12 digits, leaving the box without a picture.
void DrawEAN13(PictureBox& zObj, int16_t zBarH, const QString& BarText, int16_t HasCaption, const Globals& g);
