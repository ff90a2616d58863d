#pragma once

#include "barcode/code128symbol.h"
#include "platform/picturebox.h"

#include <QString>
#include <cstdint>

// A Code 128 drawer with a symbol of its own, so two objects draw independently. It always prints
// the text under the bars, clears the box's drawing but not its picture, and leaves the symbol in
// the box's kept drawing without making it the picture. Like the module it refuses an empty text
// and characters outside set B before drawing.
class Bar128 {
public:
    void Code128(PictureBox& zObj, int16_t zBarH, const QString& BarText);

private:
    void Bar128Table() { s_.InitTable128(); }
    static int Bar128Count(const QString& text) { return Code128Symbol::CountChars128(text); }
    void Bar128Symbol(const QString& text) { s_.DrawSymbol128(text); }

    Code128Symbol s_;
};
