#pragma once

#include <QString>
#include <QStringView>
#include <functional>

namespace labels {

// Width of a text in millimetres, as the layout measures it (usually the printer's current font).
using TextWidth = std::function<double(const QString&)>;

// The characters a description may break at.
inline constexpr QStringView kBreakCharacters = u" -/.";

// The description with every character of code 10 or 13 taken out.
QString withoutLineBreaks(const QString& text);

// The smallest n from 1 to the text's length for which stop(n, width of the first n characters)
// holds; 0 when none does. The search ends at the end of the text whatever the widths are.
int firstPrefix(const QString& text, const TextWidth& width, const std::function<bool(int n, double w)>& stop);

// The rightmost position, 1 to upTo, of a character of `breaks` in the text; 0 when none.
int lastBreak(const QString& text, int upTo, QStringView breaks = kBreakCharacters);

// Whether character n (from 1) of the text is one of `breaks`; false outside the text.
bool isBreakAt(const QString& text, int n, QStringView breaks = kBreakCharacters);
bool isDigitAt(const QString& text, int n);

struct DescriptionLines {
    QString first;
    QString second;
};

}  // namespace labels
