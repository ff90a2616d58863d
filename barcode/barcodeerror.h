#pragma once

#include "platform/errors.h"

// The error the barcode validators raise: one number for all, a source naming the symbology and
// a fixed English text.
class BarcodeError : public ProgramError {
public:
    static constexpr long kNumber = -2147220991;  // 0x80040201: 513 above the object-defined base

    BarcodeError(const QString& source, const QString& description)
        : ProgramError(kNumber, source, description)
    {
    }
};
