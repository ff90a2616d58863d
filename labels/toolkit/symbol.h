#pragma once

#include "barcode/barcodeerror.h"
#include "form/program.h"

namespace labels {

// A code whose symbol would encode other digits than those printed beside it: the layouts hand
// the drawer the first 12 characters and print up to 13. The description is the reason, in the
// operator's words.
class PrintedDigitsError : public ProgramError {
public:
    static constexpr long kNumber = BarcodeError::kNumber + 1;
    explicit PrintedDigitsError(const QString& reason) : ProgramError(kNumber, QStringLiteral("EAN-13"), reason) {}
};

// Refuses, with PrintedDigitsError, a code of more than 13 characters and a 13-digit code whose
// last digit is not the check digit of the other twelve. A code of 12 digits passes: its symbol
// carries the computed check digit. Codes the drawer itself refuses are left to it.
void checkPrintedDigits(const QString& code);

// Draws the first 12 characters of txtbarra into Picture1 as an EAN-13 symbol without digits,
// the way every product label asks for it; the bar height factor is 1.
void drawLabelSymbol(Program& program);

// Draws the symbol of code once before the first of count labels is printed, so that a code the
// drawer refuses ends the layout call with nothing on the page, not with labels that lack their
// symbol. A code that checkPrintedDigits refuses ends the call the same way. Leaves txtbarra
// holding the code.
void drawSymbolBeforeLabels(Program& program, const QString& code, int count);

// The same with the printer switched to pixels while the symbol is drawn, as the oldest hidden
// labels do it: txtbarra takes the code first, and the millimetres come back even when the
// barcode is refused, so whatever is printed next lands in place.
void drawLabelSymbolInPixels(Program& program, const QString& code);

}  // namespace labels
