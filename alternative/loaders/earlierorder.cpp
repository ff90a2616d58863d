#include "alternative/loaders/earlierorder.h"

QString earlierOrderPath(const Program& p) { return p.ws.files.programFolder() + u'\\' + p.form.nome_arquivo; }

bool isEarlierDataLine(const QString& line)
{
    return !line.isEmpty() && line.at(0) >= u'0' && line.at(0) <= u'9';
}

bool earlierOrderExists(const Program& p)
{
    const QString& nome = p.form.nome_arquivo;
    return !nome.contains(u'/') && !nome.contains(u'\\') && p.ws.files.fileExists(earlierOrderPath(p));
}

EarlierOrder readEarlierOrder(const Program& p)
{
    EarlierOrder out;
    if (!earlierOrderExists(p))
        return out;
    const auto lines = p.ws.files.readLines(earlierOrderPath(p));
    if (!lines)
        return out;
    // Any byte at all gives a line, so no lines is a file of 0 bytes.
    out.state = lines->isEmpty() ? EarlierOrder::State::Blank : EarlierOrder::State::Read;
    out.lines = *lines;
    return out;
}

void warnBlankOrder(Program& p)
{
    p.ws.messages.show(QStringLiteral("O arquivo está em branco!"), mb::Exclamation, QStringLiteral("ATENÇÃO!!!"));
}
