#pragma once

#include "barcode/code39symbol.h"
#include "platform/picturebox.h"

#include <QString>
#include <cstdint>

// A Code 39 drawer with a symbol of its own, so two objects draw independently. It always prints
// the text under the bars, clears the box's drawing but not its picture, refuses lower-case
// letters, and leaves the symbol in the box's kept drawing without making it the picture.
class Bar39 {
public:
    void Code39(PictureBox& zObj, int16_t zBarH, const QString& BarText, bool zWithCheckSum = false);
    // Removes "*" from the text the last call left and checks every character; raises a
    // BarcodeError from "Bar 39" at the first one outside the set.
    bool CheckCode();

private:
    void Bar39Table() { s_.InitTable39(); }
    void Bar39Symbol(const QString& text) { s_.DrawSymbol39(text); }

    Code39Symbol s_;
};
