#include "labels/pack/gera_qrcode.h"

#include "labels/pack/codigopack.h"
#include "platform/codepage.h"
#include "platform/picture.h"
#include "platform/processes.h"
#include "platform/vb.h"
#include "settings/settings.h"

#include <QDir>

#include <algorithm>

namespace {

const QString kRequisicao = QStringLiteral("tmp\\qr.xml");

// Codes and folders are text inside elements; the generator reads them with an XML parser. A
// character the code page lacks (a folder name can hold any) goes as a character reference, so
// the request still names the real folder.
QString escapaXml(const QString& s)
{
    QString out;
    out.reserve(s.size());
    for (const char32_t c : s.toUcs4()) {
        const QString um = QString::fromUcs4(&c, 1);
        if (c == u'&')
            out += QStringLiteral("&amp;");
        else if (c == u'<')
            out += QStringLiteral("&lt;");
        else if (c == u'>')
            out += QStringLiteral("&gt;");
        else if (c > 0xFFFF || (c != u'?' && cp1252::encode(um) == "?"))
            // One reference for the whole character, also beyond the 16-bit range (an emoji).
            out += QStringLiteral("&#%1;").arg(static_cast<uint>(c));
        else
            out += um;
    }
    return out;
}

}  // namespace

QrTurn::QrTurn(const FileSystem& files) { lock_.emplace(files.resolve(QStringLiteral("tmp")), files.saveLockWait()); }

void QrTurn::tellBusy(Program& p)
{
    p.ws.messages.show(QStringLiteral("Outro programa está gerando QRcodes na pasta tmp; tente de novo em instantes. "
                                      "Nenhuma etiqueta foi impressa."),
                       mb::OKOnly | mb::Exclamation);
}

Picture imagemDoCodigo(const FileSystem& files, const QString& codigo)
{
    if (!codigoSeguro(codigo) || !files.fileExists(imagemQr(codigo)))
        return {};
    return Picture::loadWhole(files.resolve(imagemQr(codigo)));
}

QString textoDestino(const QString& pastaNativa)
{
    QString s = pastaNativa;
    return s.replace(QStringLiteral("\\"), QStringLiteral("\\\\"));
}

QByteArray requisicaoQr(const QStringList& codigos, const QString& destino)
{
    const QString fim = QStringLiteral("\r\n");
    QString texto = QStringLiteral("<qrcode>") + fim;
    for (const QString& codigo : codigos) {
        texto += QStringLiteral("<pack>") + fim;
        texto += QStringLiteral("   <codigo>") + escapaXml(codigo) + QStringLiteral("</codigo>") + fim;
        texto += QStringLiteral("   <destino>") + escapaXml(destino) + QStringLiteral("</destino>") + fim;
        texto += QStringLiteral("</pack>") + fim;
    }
    texto += QStringLiteral("</qrcode>") + fim;
    return cp1252::encode(texto);
}

bool Gera_QrCode(Program& p, QrTurn& vez, std::chrono::milliseconds tempoLimite)
{
    return Gera_QrCode(p, vez, faixaDoCorrugado(p.form), tempoLimite);
}

bool Gera_QrCode(Program& p, QrTurn& vez, const FaixaVolumes& escolhidos, std::chrono::milliseconds tempoLimite)
{
    if (!vez.held())
        return false;
    const FileSystem& files = p.ws.files;
    const MainForm& f = p.form;

    const QString java = FileSystem::join(f.lbljava.caption, kJavaExecutable);
    if (!files.fileExists(java)) {
        vez.release();
        p.ws.messages.show(QStringLiteral("O Caminho do arquivo Java.exe não foi definido!"), mb::OKOnly | mb::Critical);
        return false;
    }

    // The carton's own entries, in volume order: another carton of the same order, even of the
    // same master code, may sit anywhere in the pack list. A chosen volume without a code the
    // generator can name could never print its QR, so nothing is made then; the carton's other
    // volumes without one are only left out of the request.
    const QMap<int, QString> doCorrugado = codigosDoCorrugado(f);
    for (int v = escolhidos.primeiro; v <= escolhidos.ultimo; ++v)
        if (!codigoSeguro(doCorrugado.value(v)))
            return false;
    const FaixaVolumes faixa = faixaDoCorrugado(f);
    QStringList codigos;
    for (int v = faixa.primeiro; v <= faixa.ultimo; ++v)
        if (codigoSeguro(doCorrugado.value(v)))
            codigos << doCorrugado.value(v);
    if (codigos.isEmpty())
        return false;

    auto todasProntas = [&] {
        return std::all_of(codigos.cbegin(), codigos.cend(),
                           [&](const QString& codigo) { return !imagemDoCodigo(files, codigo).isNull(); });
    };
    // Images of an earlier run stay in tmp; generate only when one of the carton's is missing.
    if (f.tem_departamento && todasProntas())
        return true;

    for (const QString& nome : files.list(QStringLiteral("tmp"), QStringLiteral("*.jpg")))
        files.deleteFile(QStringLiteral("tmp\\") + nome);
    if (files.fileExists(kRequisicao))
        files.deleteFile(kRequisicao);

    // A request that did not reach the disk whole would have the generator read nothing or half
    // of it: the generation has failed, and the operator is told which file and why.
    const QString pastaTmp = QDir::toNativeSeparators(files.resolve(QStringLiteral("tmp"))) + QDir::separator();
    if (const WriteResult escrita = files.writeBytes(kRequisicao, requisicaoQr(codigos, textoDestino(pastaTmp)));
        !escrita) {
        vez.release();
        reportWrite(p.ws, escrita);
        return false;
    }

    // Only a generator that ended by itself with success has done its work: one that failed on a
    // later code may have left the earlier images behind.
    bool terminou = false;
    if (Processes* processes = p.ws.processes) {
        const auto id = processes->start(files.resolve(java), {QStringLiteral("-jar"), QStringLiteral("qrlumo.jar")},
                                         files.programFolder());
        if (id) {
            const Processes::Wait fim = processes->wait(*id, tempoLimite);
            if (fim == Processes::Wait::TimedOut)
                processes->end(*id);
            terminou = fim == Processes::Wait::Ended;
        }
        processes->sleep(std::chrono::milliseconds(200));
    }

    // Every volume's image, not just the first: a file that is missing, no picture or cut short
    // leaves a label without its QR.
    return terminou && todasProntas();
}
