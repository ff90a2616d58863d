#include "orders/orderline.h"

#include "orders/cartonlayout.h"
#include "platform/errors.h"
#include "platform/vb.h"
#include "settings/settings.h"


const Family* familyOf(const QString& tipo)
{
    for (const Family& f : kFamilies)
        if (qs(f.tipo) == tipo)
            return &f;
    return nullptr;
}

QString collapseBlanks(const QString& line)
{
    static const QString runs[] = {QStringLiteral("     "), QStringLiteral("    "), QStringLiteral("   "),
                                   QStringLiteral("  "), QStringLiteral("  ")};
    QString s = line;
    for (const QString& run : runs)
        s = vb::Replace(s, run, QStringLiteral(" "));
    return s;
}

std::optional<int> wholeQuantity(const QString& text)
{
    const auto v = vb::parseNumber(text);
    if (!v)
        return std::nullopt;
    try {
        return vb::CInt(*v);
    } catch (const ProgramError&) {
        return std::nullopt;
    }
}

static QString joinKey(const QString& a, const QString& b, const QString& c)
{
    // Made in one piece: a chain of + copies a long description once for every part.
    QString key;
    key.reserve(a.size() + b.size() + c.size() + 6);
    key += a;
    key += QStringLiteral(" | ");
    key += b;
    key += QStringLiteral(" | ");
    key += c;
    return key;
}

QString frenteKey(const QStringList& f) { return joinKey(vb::Left(f.at(6), 7), f.at(4), f.at(1)); }

QString acessorioKey(const QStringList& f) { return joinKey(vb::Left(f.at(7), 7), f.at(3), f.at(1)); }

QString corrugadoKey(const QStringList& f, bool temDepartamento)
{
    return joinKey(f.at(cartonCodeField(static_cast<int>(f.size()), temDepartamento)), f.at(5), f.at(4));
}

QString packEntry(const QStringList& f, bool temDepartamento)
{
    const int volume = cartonVolumeField(static_cast<int>(f.size()), temDepartamento);
    return f.at(2) + u'|' + f.at(6) + u'|' + f.at(volume);
}

std::optional<KeyParts> splitKey(const QString& key)
{
    const QStringList parts = vb::Split(key, QStringLiteral("|"));
    if (parts.size() < 3)
        return std::nullopt;
    return KeyParts{vb::Trim(parts.at(0)), vb::Trim(parts.at(1)), vb::Trim(parts.at(2))};
}
