#include "labels/toolkit/digits.h"

#include "platform/vb.h"

namespace labels {

QStringList digitGroups(const QString& code, std::initializer_list<int> lengths)
{
    QStringList groups;
    int start = 1;
    for (const int n : lengths) {
        groups << vb::Mid(code, start, n);
        start += n;
    }
    return groups;
}

}  // namespace labels
