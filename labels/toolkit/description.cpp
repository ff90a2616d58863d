#include "labels/toolkit/description.h"

#include "platform/vb.h"

#include <algorithm>

namespace labels {

QString withoutLineBreaks(const QString& text)
{
    QString out = text;
    out.remove(QChar(10));
    out.remove(QChar(13));
    return out;
}

int firstPrefix(const QString& text, const TextWidth& width, const std::function<bool(int n, double w)>& stop)
{
    for (int n = 1; n <= text.size(); ++n)
        if (stop(n, width(vb::Left(text, n))))
            return n;
    return 0;
}

double widthAgainst(const QString& text, const TextWidth& width, double limit)
{
    constexpr qsizetype kMeasuredWhole = 1024;
    for (qsizetype n = kMeasuredWhole; n < text.size(); n *= 2)
        if (const double w = width(text.left(n)); w > limit)
            return w;
    return width(text);
}

int lastBreak(const QString& text, int upTo, QStringView breaks)
{
    for (int n = std::min<int>(upTo, text.size()); n >= 1; --n)
        if (isBreakAt(text, n, breaks))
            return n;
    return 0;
}

bool isBreakAt(const QString& text, int n, QStringView breaks)
{
    return n >= 1 && n <= text.size() && breaks.contains(text.at(n - 1));
}

bool isDigitAt(const QString& text, int n)
{
    return n >= 1 && n <= text.size() && text.at(n - 1) >= u'0' && text.at(n - 1) <= u'9';
}

DescriptionLines breakAtSeparatorOrDigit(const QString& text, const TextWidth& width, double limit)
{
    if (widthAgainst(text, width, limit) < limit)
        return {text, {}};
    // Once a prefix is wider than the limit every longer one is too, so past that point only the
    // characters are looked at, not measured again.
    const int wider = firstPrefix(text, width, [&](int, double w) { return w > limit; });
    if (wider == 0)
        return {text, {}};
    bool beforeDigit = false;
    int i = 0;
    for (int n = wider; n <= text.size() && i == 0; ++n) {
        if (isBreakAt(text, n)) {
            beforeDigit = false;
            i = n;
        } else if (isDigitAt(text, n) && !isDigitAt(text, n - 1)) {
            beforeDigit = true;
            i = n;
        }
    }
    if (i == 0)
        return {text, {}};
    if (beforeDigit)
        return {vb::Left(text, i - 1), vb::Mid(text, i)};
    return {vb::Left(text, i), vb::Mid(text, i + 1)};
}

DescriptionLines breakAtLastSeparatorOrCut(const QString& text, const TextWidth& width, double limit)
{
    if (widthAgainst(text, width, limit) < limit)
        return {text, {}};
    const int n = firstPrefix(text, width, [limit](int, double w) { return w > limit; });
    if (n == 0)
        return {text, {}};
    int k = lastBreak(text, n);
    if (k == 0)
        k = std::max(n - 1, 1);
    const QString first = vb::Trim(vb::Left(text, k));
    return {first, vb::Mid(text, vb::Len(first) + 1)};
}

}  // namespace labels
