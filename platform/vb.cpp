#include "platform/vb.h"

#include "platform/errors.h"

#include <cmath>
#include <limits>

namespace vb {

QString LTrim(const QString& s)
{
    int i = 0;
    while (i < s.size() && s[i] == u' ')
        ++i;
    return s.mid(i);
}

QString RTrim(const QString& s)
{
    int n = s.size();
    while (n > 0 && s[n - 1] == u' ')
        --n;
    return s.left(n);
}

QString Trim(const QString& s)
{
    // One copy of what stays, not one per side: a description can run to megabytes.
    int end = s.size();
    while (end > 0 && s[end - 1] == u' ')
        --end;
    int start = 0;
    while (start < end && s[start] == u' ')
        ++start;
    return s.mid(start, end - start);
}

QString Left(const QString& s, int n) { return n <= 0 ? QString() : s.left(n); }

QString Right(const QString& s, int n) { return n <= 0 ? QString() : s.right(n); }

QString Mid(const QString& s, int start, int length)
{
    if (start < 1)
        vberr::raise(vberr::InvalidCall);
    if (start > s.size())
        return {};
    return length < 0 ? s.mid(start - 1) : s.mid(start - 1, length);
}

int Len(const QString& s) { return static_cast<int>(s.size()); }

int InStr(const QString& haystack, const QString& needle, int start)
{
    if (start < 1)
        vberr::raise(vberr::InvalidCall);
    if (start > haystack.size() + 1)
        return 0;
    if (needle.isEmpty())
        return start;
    const auto at = haystack.indexOf(needle, start - 1, Qt::CaseSensitive);
    return at < 0 ? 0 : static_cast<int>(at) + 1;
}

QString UCase(const QString& s)
{
    QString out = s;
    for (auto& c : out)
        c = c.toUpper();
    return out;
}

QString LCase(const QString& s)
{
    QString out = s;
    for (auto& c : out)
        c = c.toLower();
    return out;
}

QStringList Split(const QString& s, const QString& separator)
{
    if (s.isEmpty())
        return {};
    if (separator.isEmpty())
        return {s};
    return s.split(separator, Qt::KeepEmptyParts, Qt::CaseSensitive);
}

QString Replace(const QString& s, const QString& find, const QString& with)
{
    if (find.isEmpty())
        return s;
    QString out = s;
    return out.replace(find, with, Qt::CaseSensitive);
}

QString Space(int n) { return n <= 0 ? QString() : QString(n, u' '); }

QString String(int n, QChar c) { return n <= 0 ? QString() : QString(n, c); }

std::optional<double> parseNumber(const QString& text)
{
    const QString s = Trim(text);
    int i = 0;
    const int n = static_cast<int>(s.size());
    bool negative = false;
    if (i < n && (s[i] == u'+' || s[i] == u'-')) {
        negative = s[i] == u'-';
        ++i;
    }
    QString digits;
    int groupLength = -1;  // digits since the last "." (-1: no "." seen)
    int leadingDigits = 0;
    bool anyDigit = false;
    while (i < n && (s[i].isDigit() || s[i] == u'.')) {
        if (s[i] == u'.') {
            // a thousands separator needs 1 to 3 digits before the first one and 3 after each
            if (!anyDigit || (groupLength < 0 ? leadingDigits > 3 : groupLength != 3))
                return std::nullopt;
            groupLength = 0;
        } else {
            digits += s[i];
            anyDigit = true;
            if (groupLength < 0)
                ++leadingDigits;
            else
                ++groupLength;
        }
        ++i;
    }
    if (groupLength >= 0 && groupLength != 3)
        return std::nullopt;
    QString fraction;
    if (i < n && s[i] == u',') {
        ++i;
        while (i < n && s[i].isDigit()) {
            fraction += s[i];
            ++i;
        }
    }
    if (digits.isEmpty() && fraction.isEmpty())
        return std::nullopt;
    QString exponent;
    if (i < n && (s[i] == u'e' || s[i] == u'E')) {
        ++i;
        if (i < n && (s[i] == u'+' || s[i] == u'-'))
            exponent += s[i++];
        const int before = static_cast<int>(exponent.size());
        while (i < n && s[i].isDigit())
            exponent += s[i++];
        if (exponent.size() == before)
            return std::nullopt;
    }
    if (i != n)
        return std::nullopt;
    QString c = (digits.isEmpty() ? QStringLiteral("0") : digits);
    if (!fraction.isEmpty())
        c += u'.' + fraction;
    if (!exponent.isEmpty())
        c += u'e' + exponent;
    bool ok = false;
    const double v = c.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return negative ? -v : v;
}

bool IsNumeric(const QString& s) { return parseNumber(s).has_value(); }

double CDbl(const QString& s)
{
    const auto v = parseNumber(s);
    if (!v)
        vberr::raise(vberr::TypeMismatch);
    return *v;
}

float CSng(const QString& s)
{
    const double v = CDbl(s);
    if (std::fabs(v) > std::numeric_limits<float>::max())
        vberr::raise(vberr::Overflow);
    return static_cast<float>(v);
}

static double roundHalfEven(double v)
{
    const double r = std::nearbyint(v);  // the default rounding mode rounds half to even
    return r;
}

int16_t CInt(double v)
{
    const double r = roundHalfEven(v);
    if (!(r >= -32768.0 && r <= 32767.0))
        vberr::raise(vberr::Overflow);
    return static_cast<int16_t>(r);
}

int16_t CInt(const QString& s) { return CInt(CDbl(s)); }

int32_t CLng(double v)
{
    const double r = roundHalfEven(v);
    if (!(r >= -2147483648.0 && r <= 2147483647.0))
        vberr::raise(vberr::Overflow);
    return static_cast<int32_t>(r);
}

int32_t CLng(const QString& s) { return CLng(CDbl(s)); }

double Val(const QString& text)
{
    // Val skips blanks, tabs and line feeds anywhere in the number.
    QString s;
    for (const QChar c : text)
        if (c != u' ' && c != u'\t' && c != u'\n' && c != u'\r')
            s += c;
    int i = 0;
    const int n = static_cast<int>(s.size());
    QString c;
    if (i < n && (s[i] == u'+' || s[i] == u'-'))
        c += s[i++];
    bool point = false, any = false;
    while (i < n && (s[i].isDigit() || (s[i] == u'.' && !point))) {
        if (s[i] == u'.')
            point = true;
        else
            any = true;
        c += s[i++];
    }
    if (!any)
        return 0.0;
    if (i < n && (s[i] == u'e' || s[i] == u'E' || s[i] == u'd' || s[i] == u'D')) {
        QString e = QStringLiteral("e");
        int j = i + 1;
        if (j < n && (s[j] == u'+' || s[j] == u'-'))
            e += s[j++];
        const int start = j;
        while (j < n && s[j].isDigit())
            e += s[j++];
        if (j > start)
            c += e;
    }
    bool ok = false;
    const double v = c.toDouble(&ok);
    return ok ? v : 0.0;
}

static QString withComma(QString s)
{
    s.replace(u'.', u',');
    return s;
}

QString CStr(double v)
{
    if (v == 0.0)
        return QStringLiteral("0");
    return withComma(QString::number(v, 'g', 15)).replace(QStringLiteral("e+"), QStringLiteral("E+")).replace(QStringLiteral("e-"), QStringLiteral("E-"));
}

QString CStr(float v)
{
    if (v == 0.0f)
        return QStringLiteral("0");
    return withComma(QString::number(static_cast<double>(v), 'g', 7)).replace(QStringLiteral("e+"), QStringLiteral("E+")).replace(QStringLiteral("e-"), QStringLiteral("E-"));
}

QString CStr(int v) { return QString::number(v); }

}  // namespace vb
