#include "rawprint/envio.h"

#include "platform/codepage.h"
#include "platform/errors.h"
#include "platform/rawsender.h"
#include "platform/vb.h"
#include "settings/settings.h"

QString spoolPath(const FileSystem& files) { return FileSystem::join(files.programFolder(), QStringLiteral("epltemp.prn")); }

QString batchPath(const FileSystem& files) { return FileSystem::join(files.programFolder(), QStringLiteral("IMPRIMIR.BAT")); }

QByteArray spoolBytes(const QStringList& lines)
{
    QByteArray out;
    for (const QString& line : lines)
        out += cp1252::encode(line) + "\r\n";
    return out;
}

std::optional<QByteArray> batchBytes(const MainForm& form, BatchStyle style)
{
    const QString port = form.LBLPORTAPARELELA.caption;
    const QString share = vb::Trim(form.lblcompartilhamento.caption);
    const bool netUse = vb::UCase(form.lblporta.caption) != u"PARALELA";
    // An empty name only makes a command fail; anything beyond a plain name could be run.
    auto safe = [](const QString& name) { return name.isEmpty() || isPlainName(name); };
    if (!safe(vb::Trim(port)) || (netUse && !safe(share)))
        return std::nullopt;
    QStringList lines;
    if (netUse) {
        const QString p = style.trimPortInNetUse ? vb::Trim(port) : port;
        lines << QStringLiteral("net use ") + p + QStringLiteral(": /delete");
        lines << QStringLiteral("net use ") + p + QStringLiteral(": \\\\127.0.0.1\\") + share + QStringLiteral(" /yes");
    }
    lines << QStringLiteral("type epltemp.prn > ") + port + (style.lineFeedAfterPort ? QStringLiteral("\n") : QString());
    return spoolBytes(lines);
}

void deleteSpool(Workstation& ws)
{
    const QString spool = spoolPath(ws.files);
    if (ws.files.fileExists(spool))
        ws.files.deleteFile(spool);
}

bool sendRawJob(Program& p, const QStringList& lines, BatchStyle style)
{
    Workstation& ws = p.ws;
    // An old job never goes out in place of this one: it is deleted first, and a spool file
    // that could not be written whole sends nothing.
    deleteSpool(ws);
    if (!reportWrite(ws, ws.files.writeBytes(spoolPath(ws.files), spoolBytes(lines))))
        return false;
    const QString batch = batchPath(ws.files);
    if (!ws.files.fileExists(batch)) {
        const auto bytes = batchBytes(p.form, style);
        if (!bytes)
            return reportWrite(ws, {ws.files.resolve(batch),
                                    QStringLiteral("o nome da porta ou do compartilhamento não pode ser usado num comando")});
        if (!reportWrite(ws, ws.files.writeBytes(batch, *bytes)))
            return false;
    }
    if (!ws.rawSender)
        return false;
    const RawSender::Result sent = ws.rawSender->send(batch, ws.files.programFolder());
    if (!sent.sent())
        tryStep([&] {
            ws.messages.show(QStringLiteral("Não foi possível enviar a etiqueta para a impressora: ") + sent.detail + u'.',
                             mb::OKOnly | mb::Critical);
        });
    return sent.sent();
}
