#include "settings/ean.h"

namespace {

int digitValue(const QString& s, int position)  // position counted from 1
{
    if (position > s.size())
        return 0;
    const QChar c = s.at(position - 1);
    return c >= u'0' && c <= u'9' ? c.unicode() - u'0' : 0;
}

}  // namespace

QString digito_ean13(const QString& codigo)
{
    int even = 0;
    for (int p = 2; p <= 12; p += 2)
        even += digitValue(codigo, p);
    int sum = even * 3;
    for (int p = 1; p <= 11; p += 2)
        sum += digitValue(codigo, p);
    const int check = (10 - sum % 10) % 10;
    return u' ' + QString::number(check);
}

bool ean13CheckDigitMatches(const QString& codigo)
{
    return codigo.size() == 13 && codigo.at(12) == digito_ean13(codigo).back();
}
