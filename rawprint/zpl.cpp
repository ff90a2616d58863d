#include "rawprint/zpl.h"

#include "platform/vb.h"

QString dotsToQuotes(QString line) { return line.replace(u'.', u'"'); }

bool isWholeDots(const QString& text)
{
    const QString t = vb::Trim(text);
    const int start = t.startsWith(u'-') ? 1 : 0;
    if (t.size() <= start || t.size() - start > 9)
        return false;
    for (int i = start; i < t.size(); ++i)
        if (t[i] < u'0' || t[i] > u'9')
            return false;
    return true;
}
