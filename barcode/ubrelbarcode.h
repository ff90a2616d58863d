#pragma once

#include "form/globals.h"
#include "platform/picturebox.h"

#include <QString>
#include <cstdint>

// The barcode drawers in object form: each method hands its arguments unchanged to the module
// drawer, and what that raises reaches the caller. The program-wide variables it is made with are
// where the EAN-13 drawer finds the barcode width factor.
class ubrelBarcode {
public:
    explicit ubrelBarcode(const Globals& g) : g_(g) {}

    void Code128(PictureBox& zObj, int16_t zBarH, const QString& BarText, bool HasCaption = false);
    void Code39(PictureBox& zObj, int16_t zBarH, const QString& BarText, bool zWithCheckSum = false,
                bool HasCaption = false);
    void EAN13(PictureBox& zObj, int16_t zBarH, const QString& BarText, bool HasCaption = false);
    void EAN8(PictureBox& zObj, int16_t zBarH, const QString& BarText, bool HasCaption = false);

private:
    const Globals& g_;
};
