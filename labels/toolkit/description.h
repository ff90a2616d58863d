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

// The width of the text, or, for a long text, that of a prefix already wider than the limit: a
// longer text is never narrower than its start, so the answer compares with the limit as the
// whole width does, and a description of megabytes is measured only as far as the limit.
double widthAgainst(const QString& text, const TextWidth& width, double limit);

// The rightmost position, 1 to upTo, of a character of `breaks` in the text; 0 when none.
int lastBreak(const QString& text, int upTo, QStringView breaks = kBreakCharacters);

// Whether character n (from 1) of the text is one of `breaks`; false outside the text.
bool isBreakAt(const QString& text, int n, QStringView breaks = kBreakCharacters);
bool isDigitAt(const QString& text, int n);

struct DescriptionLines {
    QString first;
    QString second;
};

// The hidden labels' rule: once a prefix is wider than the limit, break after a blank, "-", "/"
// or ".", or before a digit that follows a non-digit, whichever comes first. A description that
// is not wider than the limit, or has no such break, stays whole on the first line.
DescriptionLines breakAtSeparatorOrDigit(const QString& text, const TextWidth& width, double limit);

// The accessory labels' rule: at the first prefix wider than the limit, break at the rightmost
// separator up to there; without one, cut just before that prefix's last character. The first
// line is trimmed; the second is the rest after it.
DescriptionLines breakAtLastSeparatorOrCut(const QString& text, const TextWidth& width, double limit);

}  // namespace labels
