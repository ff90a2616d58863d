#include "barcode/barcodeerror.h"
#include "barcode/ean13.h"
#include "barcode/ean8.h"
#include "barcode/frame.h"

#include <array>
#include <string_view>

namespace {

using Patterns = std::array<std::string_view, 10>;

// UPC and EAN tables from ISO/IEC 15420: number sets A (L), B (G) and C (R), by digit value.
constexpr Patterns kSetA = {"0001101", "0011001", "0010011", "0111101", "0100011",
                            "0110001", "0101111", "0111011", "0110111", "0001011"};
constexpr Patterns kSetB = {"0100111", "0110011", "0011011", "0100001", "0011101",
                            "0111001", "0000101", "0010001", "0001001", "0010111"};
constexpr Patterns kSetC = {"1110010", "1100110", "1101100", "1000010", "1011100",
                            "1001110", "1010000", "1000100", "1001000", "1110100"};
// ISO/IEC 15420: parity of the six left-hand digits by leading digit, O from set A, E from set B.
constexpr Patterns kParity = {"OOOOOO", "OOEOEE", "OOEEOE", "OOEEEO", "OEOOEE",
                              "OEEOOE", "OEEEOO", "OEOEOE", "OEOEEO", "OEEOEO"};
constexpr std::string_view kGuard = "101";
constexpr std::string_view kCentreGuard = "01010";
constexpr int kGuardExtra = 5;  // guard bars reach this many pixels below the others

// The symbol being drawn; both drawers of the module share it and every call overwrites it.
struct EanState {
    PictureBox* target = nullptr;
    QString text;
    int32_t barHeight = 0;
    int32_t barTop = 0;
    int32_t counter = 0;
    bool caption = false;
    int32_t checkSum = 0;
    int32_t checkDigit = 0;
    Patterns L, G, R, parity;
};
EanState s;

void InitTablesEAN()
{
    s.L = kSetA;
    s.G = kSetB;
    s.R = kSetC;
    s.parity = kParity;
}

void DrawPatternEAN(std::string_view pattern, bool guard)
{
    const int32_t length = s.barHeight + (guard ? kGuardExtra : 0);
    for (const char module : pattern) {
        ++s.counter;
        barcode::drawModule(*s.target, s.counter, module, s.barTop, length);
    }
}

int digitAt(int i) { return s.text.at(i - 1).unicode() - u'0'; }

// Length first, then every character from the first; "Should be ..." names the length.
bool checkDigits(const QString& source, int length, const QString& lengthMessage)
{
    if (s.text.size() != length)
        throw BarcodeError(source, lengthMessage);
    for (const QChar c : s.text)
        if (c < u'0' || c > u'9')
            throw BarcodeError(source, QStringLiteral("An Invalid Character Found in Bar Text"));
    return true;
}

bool CheckEAN13() { return checkDigits(QStringLiteral("EAN-13"), 12, QStringLiteral("Should be 12 Digit Numbers")); }

bool CheckEAN8() { return checkDigits(QStringLiteral("EAN-8"), 7, QStringLiteral("Should be 7 Digit Numbers")); }

int32_t checkDigitOf(int32_t sum) { return sum % 10 == 0 ? 0 : 10 - sum % 10; }

void DrawSymbolEAN13(const QString& text)
{
    s.checkSum = 0;
    s.counter = 0;
    const int32_t captionY = s.barHeight + 10;
    if (s.caption)
        barcode::printAt(*s.target, 0, captionY, text.left(1));
    DrawPatternEAN(kGuard, true);
    const std::string_view parity = s.parity[digitAt(1)];
    for (int i = 1; i <= 12; ++i) {
        const int d = digitAt(i);
        s.checkSum += (13 - i) % 2 == 1 ? 3 * d : d;
        if (i == 8)
            DrawPatternEAN(kCentreGuard, true);
        if (i >= 2 && i <= 7)
            DrawPatternEAN(parity[i - 2] == 'E' ? s.G[d] : s.L[d], false);
        else if (i >= 8)
            DrawPatternEAN(s.R[d], false);
    }
    s.checkDigit = checkDigitOf(s.checkSum);
    DrawPatternEAN(s.R[s.checkDigit], false);
    DrawPatternEAN(kGuard, true);
    if (s.caption) {
        barcode::printAt(*s.target, 23, captionY, text.mid(1, 6));
        barcode::printAt(*s.target, 68, captionY, text.mid(7, 5) + QString::number(s.checkDigit));
    }
}

void DrawSymbolEAN8(const QString& text)
{
    s.checkSum = 0;
    s.counter = 5;
    DrawPatternEAN(kGuard, true);
    for (int i = 1; i <= 7; ++i) {
        const int d = digitAt(i);
        s.checkSum += (8 - i) % 2 == 1 ? 3 * d : d;
        if (i == 5)
            DrawPatternEAN(kCentreGuard, true);
        DrawPatternEAN(i <= 4 ? s.L[d] : s.R[d], false);
    }
    s.checkDigit = checkDigitOf(s.checkSum);
    DrawPatternEAN(s.R[s.checkDigit], false);
    DrawPatternEAN(kGuard, true);
    if (s.caption) {
        const int32_t captionY = s.barHeight + 10;
        barcode::printAt(*s.target, 23, captionY, text.left(4));
        barcode::printAt(*s.target, 53, captionY, text.mid(4, 3) + QString::number(s.checkDigit));
    }
}

void keepCall(PictureBox& zObj, const QString& BarText, bool HasCaption)
{
    s.target = &zObj;
    InitTablesEAN();
    s.text = BarText;
    s.caption = HasCaption;
}

void takePicture()
{
    barcode::takeSymbolPicture(*s.target, s.text + QString::number(s.checkDigit));
}

}  // namespace

void DrawEAN13(PictureBox& zObj, int16_t zBarH, const QString& BarText, int16_t HasCaption, const Globals& g)
{
    keepCall(zObj, BarText, HasCaption != 0);
    zObj.clearPicture();
    zObj.setWidth(Twips{5655});
    zObj.setHeight(Twips{2340});
    CheckEAN13();
    s.barHeight = barcode::times16(10, zBarH);
    s.barTop = 0;
    barcode::prepareSurface(zObj);
    zObj.setHeight(barcode::twipsOf(kTwipsPerPixel * (s.barHeight + 20) * 0.9));
    // The factor widens the surface only; the modules keep their columns.
    zObj.setWidth(barcode::twipsOf(double(g.fator_correcao) * (s.text.size() * 160)));
    DrawSymbolEAN13(s.text);
    takePicture();
}

void DrawEAN8(PictureBox& zObj, int16_t zBarH, const QString& BarText, bool HasCaption)
{
    keepCall(zObj, BarText, HasCaption);
    zObj.clearPicture();
    CheckEAN8();
    s.barHeight = barcode::times16(10, zBarH);
    s.barTop = 10;
    barcode::prepareSurface(zObj);
    const double pixels = s.caption ? zObj.textHeight(s.text) + s.barHeight + 25 : s.barHeight + 20;
    zObj.setHeight(barcode::twipsOf(kTwipsPerPixel * pixels));
    zObj.setWidth(barcode::twipsOf((s.text.size() * 8 + 20) * 20));
    DrawSymbolEAN8(s.text);
    takePicture();
}
