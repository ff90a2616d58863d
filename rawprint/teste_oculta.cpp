#include "rawprint/teste_oculta.h"

#include "platform/errors.h"
#include "platform/vb.h"

#include <cmath>

QStringList linhasTesteOcultaZpl(const QStringList& columns, const QString& top, const QString& code, bool turned,
                                 const QString& darkness, const QString& speed)
{
    const QString v = vb::Trim(speed);
    QStringList lines{QStringLiteral("~SD") + vb::Trim(darkness),
                      QStringLiteral("^XA"),
                      QStringLiteral("^LT0"),
                      QStringLiteral("^PQ1,,1,Y"),
                      QStringLiteral("^LH0,0"),
                      QStringLiteral("^PR") + v + u',' + v};
    const QString font = turned ? QStringLiteral("^A0B,55,45^FD") : QStringLiteral("^A0N,55,45^FD");
    for (const QString& x : columns)
        lines << QStringLiteral("^FO") + vb::Trim(x) + u',' + vb::Trim(top) + font + vb::Trim(code) + QStringLiteral("^FS");
    lines << QStringLiteral("^XZ");
    return lines;
}

void corrigeColunas(std::vector<QString*>& columns, const QStringList& standards)
{
    for (size_t i = 0; i < columns.size(); ++i) {
        QString& column = *columns[i];
        if (vb::Trim(column).isEmpty())
            column = standards.at(static_cast<qsizetype>(i));
        if (i == 0)
            continue;
        bool inOrder = false;
        tryStep([&] { inOrder = vb::CInt(column) >= vb::CInt(*columns[i - 1]); });
        if (!inOrder)
            column = standards.at(static_cast<qsizetype>(i));
    }
}

QString formatoPpla(const QString& value)
{
    const auto n = vb::parseNumber(value);
    if (!n)
        return value;
    // The format rounds half away from zero.
    const double r = std::round(*n);
    const QString digits = QString::number(std::fabs(r), 'f', 0).rightJustified(4, u'0');
    return r < 0 ? u'-' + digits : digits;
}

QStringList linhasTesteOcultaPpla(const QStringList& columns, const QString& code)
{
    const QChar stx(2), soh(1);
    QStringList lines{stx + QStringLiteral("n"),     stx + QStringLiteral("M0500"), stx + QStringLiteral("O0220"),
                      stx + QStringLiteral("V0"),    stx + QStringLiteral("f220"),  soh + QStringLiteral("D"),
                      stx + QStringLiteral("L"),     QStringLiteral("D11"),         QStringLiteral("A2")};
    for (const QString& c : columns)
        lines << QStringLiteral("19110050015") + formatoPpla(c) + code;
    lines << QStringLiteral("Q") + formatoPpla(QStringLiteral("1")) << QStringLiteral("E");
    return lines;
}
