#include "settings/text.h"

#include <QHash>

QString tira_acento(const QString& text)
{
    // Â, Ç, Õ and Ô were never in the table and stay as they are.
    static const QHash<QChar, QChar> table = [] {
        QHash<QChar, QChar> t;
        const auto add = [&](const QString& from, QChar to) {
            for (const QChar c : from)
                t.insert(c, to);
        };
        add(QStringLiteral("áàãâ"), u'a');
        add(QStringLiteral("ÁÀÃ"), u'A');
        add(QStringLiteral("ç"), u'c');
        add(QStringLiteral("éèê"), u'e');
        add(QStringLiteral("ÉÈÊ"), u'E');
        add(QStringLiteral("íì"), u'i');
        add(QStringLiteral("ÍÌ"), u'I');
        add(QStringLiteral("óòõô"), u'o');
        add(QStringLiteral("ÓÒ"), u'O');
        add(QStringLiteral("úù"), u'u');
        add(QStringLiteral("ÚÙ"), u'U');
        return t;
    }();
    QString out = text;
    for (auto& c : out)
        c = table.value(c, c);
    return out;
}
