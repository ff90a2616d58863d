#include "barcode/code39symbol.h"

#include "barcode/barcodeerror.h"
#include "barcode/frame.h"

namespace {

// Code 39 from ISO/IEC 16388, narrow element one module and wide element two, in the order of
// kCharacters; the last is the start and stop character "*".
constexpr std::string_view kCharacters = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%*";
constexpr std::array<std::string_view, 44> kPatterns = {
    "101001101101", "110100101011", "101100101011", "110110010101",  // 0-3
    "101001101011", "110100110101", "101100110101", "101001011011",  // 4-7
    "110100101101", "101100101101", "110101001011", "101101001011",  // 8, 9, A, B
    "110110100101", "101011001011", "110101100101", "101101100101",  // C-F
    "101010011011", "110101001101", "101101001101", "101011001101",  // G-J
    "110101010011", "101101010011", "110110101001", "101011010011",  // K-N
    "110101101001", "101101101001", "101010110011", "110101011001",  // O-R
    "101101011001", "101011011001", "110010101011", "100110101011",  // S-V
    "110011010101", "100101101011", "110010110101", "100110110101",  // W-Z
    "100101011011", "110010101101", "100110101101", "100100100101",  // - . blank $
    "100100101001", "100101001001", "101001001001", "100101101101",  // / + % *
};
constexpr int kStartStop = 43;

}  // namespace

void Code39Symbol::InitTable39()
{
    chars = QString::fromLatin1(kCharacters.data(), kCharacters.size());
    patterns = kPatterns;
}

bool Code39Symbol::validate(const QString& source) const
{
    for (const QChar c : text)
        if (!chars.contains(c))
            throw BarcodeError(source, QStringLiteral("An Invalid Character Found in Bar Text"));
    return true;
}

void Code39Symbol::DrawPattern39(std::string_view pattern)
{
    for (const char module : pattern) {
        ++counter;
        barcode::drawModule(*target, counter, module, barTop, barHeight);
    }
    ++counter;
    barcode::drawModule(*target, counter, '0', barTop, barHeight);
}

void Code39Symbol::DrawSymbol39(const QString& symbolText)
{
    checkSum = 0;
    counter = 1;
    DrawPattern39(patterns[kStartStop]);
    for (const QChar c : symbolText) {
        charIndex = static_cast<int16_t>(chars.indexOf(c));
        checkSum += charIndex;
        DrawPattern39(patterns[charIndex]);
    }
    checkIndex = checkSum % 43;
    if (check)
        DrawPattern39(patterns[checkIndex]);
    DrawPattern39(patterns[kStartStop]);
    if (caption)
        barcode::printAt(*target, (counter + 20) / 2.0 - target->textWidth(symbolText) / 2, barHeight + 15,
                         symbolText);
}
