#include "barcode/code128symbol.h"

#include "barcode/barcodeerror.h"
#include "barcode/frame.h"
#include "platform/errors.h"

namespace {

// Code 128 symbol characters from ISO/IEC 15417, by symbol value; each is 11 modules.
constexpr std::array<std::string_view, 106> kPatterns = {
    "11011001100", "11001101100", "11001100110", "10010011000", "10010001100",  // 0
    "10001001100", "10011001000", "10011000100", "10001100100", "11001001000",  // 5
    "11001000100", "11000100100", "10110011100", "10011011100", "10011001110",  // 10
    "10111001100", "10011101100", "10011100110", "11001110010", "11001011100",  // 15
    "11001001110", "11011100100", "11001110100", "11101101110", "11101001100",  // 20
    "11100101100", "11100100110", "11101100100", "11100110100", "11100110010",  // 25
    "11011011000", "11011000110", "11000110110", "10100011000", "10001011000",  // 30
    "10001000110", "10110001000", "10001101000", "10001100010", "11010001000",  // 35
    "11000101000", "11000100010", "10110111000", "10110001110", "10001101110",  // 40
    "10111011000", "10111000110", "10001110110", "11101110110", "11010001110",  // 45
    "11000101110", "11011101000", "11011100010", "11011101110", "11101011000",  // 50
    "11101000110", "11100010110", "11101101000", "11101100010", "11100011010",  // 55
    "11101111010", "11001000010", "11110001010", "10100110000", "10100001100",  // 60
    "10010110000", "10010000110", "10000101100", "10000100110", "10110010000",  // 65
    "10110000100", "10011010000", "10011000010", "10000110100", "10000110010",  // 70
    "11000010010", "11001010000", "11110111010", "11000010100", "10001111010",  // 75
    "10100111100", "10010111100", "10010011110", "10111100100", "10011110100",  // 80
    "10011110010", "11110100100", "11110010100", "11110010010", "11011011110",  // 85
    "11011110110", "11110110110", "10101111000", "10100011110", "10001011110",  // 90
    "10111101000", "10111100010", "11110101000", "11110100010", "10111011110",  // 95: 99 Code C
    "10111101110", "11101011110", "11110101110", "11010000100", "11010010000",  // 100: 104 Start B
    "11010011100",                                                              // 105 Start C
};
// The stop character with its final bar, 13 modules.
constexpr std::string_view kStop = "1100011101011";
constexpr int kCodeC = 99, kStartB = 104, kStartC = 105;

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

int32_t pairValue(const QString& digits, int at)
{
    return (digits.at(at).unicode() - u'0') * 10 + (digits.at(at + 1).unicode() - u'0');
}

}  // namespace

void Code128Symbol::InitTable128()
{
    setB.clear();
    for (char16_t c = 32; c <= 126; ++c)
        setB += QChar(c);
    patterns = kPatterns;
    stop = kStop;
}

bool Code128Symbol::validate() const
{
    if (text.isEmpty())
        throw BarcodeError(QStringLiteral("Code 128"), QStringLiteral("Should be 1 or More Characters"));
    for (const QChar c : text)
        if (!setB.contains(c))
            throw BarcodeError(QStringLiteral("Code 128"), QStringLiteral("An Invalid Character Found in Bar Text"));
    return true;
}

int Code128Symbol::CountChars128(const QString& text)
{
    int run = 0, estimate = 0;
    for (const QChar c : text) {
        if (isDigit(c)) {
            ++run;
            continue;
        }
        // Digits that a character follows are drawn in set B with it.
        estimate += run + 1;
        run = 0;
    }
    if (run >= 4) {
        if (estimate != 0)
            ++estimate;
        if (run % 2 == 1) {
            --run;
            estimate += 2;
        }
        estimate += run / 2;
    } else {
        estimate += run;
    }
    return estimate;
}

double Code128Symbol::widthFor(int count)
{
    return kTwipsPerPixel * (11.0 * (count + 3) + 25);
}

void Code128Symbol::DrawPattern128(std::string_view pattern)
{
    for (const char module : pattern) {
        ++counter;
        barcode::drawModule(*target, counter, module, barTop, barHeight);
    }
}

void Code128Symbol::weigh(int32_t product)
{
    const int64_t sum = int64_t{checkSum} + product;
    if (sum > INT32_MAX)
        vberr::raise(vberr::Overflow);
    checkSum = static_cast<int32_t>(sum);
}

void Code128Symbol::DrawCharB128(QChar c)
{
    position = barcode::times16(position + 1, 1);
    const int32_t value = static_cast<int32_t>(setB.indexOf(c));
    if (value < 0)
        vberr::raise(vberr::SubscriptOutOfRange);
    weigh(value * position);
    if (codeSet == CodeSet::None) {
        weigh(kStartB);
        codeSet = CodeSet::B;
        DrawPattern128(patterns[kStartB]);
    }
    DrawPattern128(patterns[value]);
}

void Code128Symbol::DrawPairs128(const QString& digits)
{
    for (int i = 0; i + 1 < digits.size(); i += 2)
        DrawPattern128(patterns[pairValue(digits, i)]);
}

void Code128Symbol::DrawRunC128(const QString& digits)
{
    if (codeSet != CodeSet::C) {
        if (codeSet == CodeSet::None) {
            weigh(kStartC);
            codeSet = CodeSet::C;
            DrawPattern128(patterns[kStartC]);
        } else {
            codeSet = CodeSet::C;
            DrawPattern128(patterns[kCodeC]);
            position = barcode::times16(position + 1, 1);
            weigh(barcode::times16(kCodeC, position));
        }
    }
    DrawPairs128(digits);
    for (int i = 0; i + 1 < digits.size(); i += 2) {
        position = barcode::times16(position + 1, 1);
        weigh(barcode::times16(pairValue(digits, i), position));
    }
}

void Code128Symbol::DrawSymbol128(const QString& symbolText)
{
    checkSum = 0;
    counter = 1;
    codeSet = CodeSet::None;
    position = 0;
    int run = 0;
    const int n = static_cast<int>(symbolText.size());
    for (int i = 0; i < n; ++i) {
        if (isDigit(symbolText.at(i))) {
            ++run;
            continue;
        }
        for (int k = i - run; k <= i; ++k)
            DrawCharB128(symbolText.at(k));
        run = 0;
    }
    if (run >= 4) {
        if (run % 2 == 1) {
            DrawCharB128(symbolText.at(n - run));
            --run;
        }
        DrawRunC128(symbolText.right(run));
    } else {
        for (int k = n - run; k < n; ++k)
            DrawCharB128(symbolText.at(k));
    }
    checkChar = checkSum % 103;
    DrawPattern128(patterns[checkChar]);
    DrawPattern128(stop);
    if (caption)
        barcode::printAt(*target, (counter + 20) / 2.0 - target->textWidth(symbolText) / 2, barHeight + 15,
                         symbolText);
}
