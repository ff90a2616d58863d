#include "labels/toolkit/description.h"

#include "platform/vb.h"

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

}  // namespace labels
