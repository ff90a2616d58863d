#include "barcode/ubrelbarcode.h"

#include "barcode/code128.h"
#include "barcode/code39.h"
#include "barcode/ean13.h"
#include "barcode/ean8.h"

void ubrelBarcode::Code128(PictureBox& zObj, int16_t zBarH, const QString& BarText, bool HasCaption)
{
    DrawCode128(zObj, zBarH, BarText, HasCaption);
}

void ubrelBarcode::Code39(PictureBox& zObj, int16_t zBarH, const QString& BarText, bool zWithCheckSum,
                          bool HasCaption)
{
    DrawCode39(zObj, zBarH, BarText, zWithCheckSum, HasCaption);
}

void ubrelBarcode::EAN13(PictureBox& zObj, int16_t zBarH, const QString& BarText, bool HasCaption)
{
    DrawEAN13(zObj, zBarH, BarText, HasCaption ? 1 : 0, g_);
}

void ubrelBarcode::EAN8(PictureBox& zObj, int16_t zBarH, const QString& BarText, bool HasCaption)
{
    DrawEAN8(zObj, zBarH, BarText, HasCaption);
}
