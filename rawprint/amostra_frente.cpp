#include "rawprint/amostra_frente.h"

#include "platform/vb.h"
#include "rawprint/zpl.h"

namespace {

// Read top to bottom like the label. The data of line 9 differs between the copies.
struct Field {
    int dx, dy;
    const char* command;
    const char* data;
    bool quotes;
};
constexpr Field kAmostra[] = {
    {0, 0, "^A0N,100,80^FD", "267", false},
    {130, 0, "^A0N,35,20^FH\\^FD", nullptr, true},  // first twelve characters of the sample text
    {130, 40, "^A0N,35,20^FH\\^FD", nullptr, true}, // the next twelve
    {220, 30, "^A0N,70,60^FD", "35", false},
    {55, 270, "^A0N,60,40^FD", "   139,99", false},
    {0, 100, "^A0N,30,20^FD", "ORVENNA 170000 FE FST SND", true},
    {0, 130, "^A0N,30,20^FD", "AL", true},
    {1, 160, "^BY2^BCN,70,N,N,N,D^FD", "1000000115475", true},
    {70, 240, "^A0N,30,30^FD", nullptr, true},      // the sample code
    {245, 130, "^A0N,30,20^FD", "F2", true},
};
constexpr const char* kTextoAmostra = "OURO";

// A position with no offset is the margin text itself; with one, the sum as a plain number.
QString position(const QString& margin, int offset)
{
    return offset == 0 ? vb::Trim(margin) : QString::number(vb::Trim(margin).toLongLong() + offset);
}

void copia(QStringList& lines, const QString& x, const QString& top, const QString& codigo)
{
    const QString texto = QString::fromLatin1(kTextoAmostra);
    for (int i = 0; i < static_cast<int>(std::size(kAmostra)); ++i) {
        const Field& f = kAmostra[i];
        QString data;
        if (i == 1)
            data = vb::Mid(texto, 1, 12);
        else if (i == 2)
            data = vb::Mid(texto, 13, 12);
        else if (i == 8)
            data = codigo;
        else
            data = QString::fromLatin1(f.data);
        QString line = QStringLiteral("^FO") + position(x, f.dx) + u',' + position(top, f.dy) +
                       QString::fromLatin1(f.command) + data + QStringLiteral("^FS");
        lines << (f.quotes ? dotsToQuotes(line) : line);
    }
}

}  // namespace

QStringList linhasAmostraFrenteZpl(const QString& x1, const QString& x2, const QString& top, const QString& darkness,
                                   const QString& speed)
{
    const QString s = vb::Trim(speed);
    QStringList lines{QStringLiteral("~SD") + vb::Trim(darkness), QStringLiteral("^XA"), QStringLiteral("^LT0"),
                      QStringLiteral("^LH0,0"), QStringLiteral("^PR") + s + u',' + s};
    copia(lines, x1, top, QStringLiteral("5016267001"));
    copia(lines, x2, top, QStringLiteral("501626700"));  // the right copy has one digit less
    lines << QStringLiteral("^XZ");
    return lines;
}
