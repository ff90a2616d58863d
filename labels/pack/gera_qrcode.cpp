#include "labels/pack/gera_qrcode.h"

#include "labels/pack/codigopack.h"
#include "platform/codepage.h"
#include "platform/picture.h"
#include "platform/processes.h"
#include "platform/vb.h"
#include "settings/settings.h"

#include <QDir>

namespace {

#ifdef Q_OS_WIN
const QString kJava = QStringLiteral("java.exe");
#else
const QString kJava = QStringLiteral("java");
#endif
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

// An image the pack label can paint: a file that exists and loads as a picture. A file the
// generator left that is no image counts as no image at all.
bool imagemPronta(const FileSystem& files, const QString& codigo)
{
    return codigoSeguro(codigo) && files.fileExists(imagemQr(codigo)) &&
           !Picture::load(files.resolve(imagemQr(codigo))).isNull();
}

struct Volumes {
    int primeiro = 0;
    int ultimo = 0;
};

// The carton's whole range: the first item of one list and the last of the other, whatever the
// operator chose to print. A text that is not a number leaves the value as it was.
void leVolumes(const MainForm& f, Volumes& v)
{
    tryStep([&] { v.primeiro = vb::CInt(f.cmb_vol1.list(0)); });
    tryStep([&] { v.ultimo = vb::CInt(f.cmb_vol2.list(f.cmb_vol2.listCount() - 1)); });
}

}  // namespace

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

bool Gera_QrCode(Program& p, std::chrono::milliseconds tempoLimite)
{
    const FileSystem& files = p.ws.files;
    const MainForm& f = p.form;
    QString primeiro;  // the code whose image decides the result
    Volumes volumes;

    const QString java = FileSystem::join(f.lbljava.caption, kJava);
    if (!files.fileExists(java)) {
        p.ws.messages.show(QStringLiteral("O Caminho do arquivo Java.exe não foi definido!"), mb::OKOnly | mb::Critical);
        return false;
    }

    const QString master = vb::Trim(f.txtcodigo1.text);
    // The department case decides here which code's image the result depends on. A volume of
    // the carton without a usable code fails the run whatever the other images say: a carton
    // without its code must never leave the printer.
    bool decidido = false;
    bool volumeSemCodigo = false;
    if (f.tem_departamento) {
        // Images of an earlier run stay in tmp; generate only when one of the carton's is missing.
        leVolumes(f, volumes);
        for (int v = volumes.primeiro; v <= volumes.ultimo; ++v) {
            const auto e = entradaNaPosicao(f.lsteanpack, v - 1);
            if (!e || e->master != master)
                continue;
            volumeSemCodigo = volumeSemCodigo || !codigoSeguro(e->codigo);
            if (!decidido && !imagemPronta(files, e->codigo)) {
                decidido = true;
                primeiro = e->codigo;
            }
        }
        if (!decidido)
            return true;
    }

    for (const QString& nome : files.list(QStringLiteral("tmp"), QStringLiteral("*.jpg")))
        files.deleteFile(QStringLiteral("tmp\\") + nome);

    leVolumes(f, volumes);
    if (files.fileExists(kRequisicao))
        files.deleteFile(kRequisicao);

    QStringList codigos;
    if (f.tem_departamento) {
        for (int v = volumes.primeiro; v <= volumes.ultimo; ++v)
            if (const auto e = entradaNaPosicao(f.lsteanpack, v - 1))
                codigos << e->codigo;
    } else {
        for (const QString& item : f.lsteanpack.items) {
            const EntradaPack e = entradaPack(item);
            if (e.master == master)
                codigos << e.codigo;
        }
    }
    if (!decidido)
        for (const QString& codigo : codigos)
            if (primeiro.isEmpty() && codigoSeguro(codigo))
                primeiro = codigo;

    // A request that did not reach the disk whole would have the generator read nothing or half
    // of it: the generation has failed, and the operator is told which file and why.
    const QString pastaTmp = QDir::toNativeSeparators(files.resolve(QStringLiteral("tmp"))) + QDir::separator();
    if (!reportWrite(p.ws, files.writeBytes(kRequisicao, requisicaoQr(codigos, textoDestino(pastaTmp)))))
        return false;

    bool travou = false;
    if (Processes* processes = p.ws.processes) {
        const auto id = processes->start(files.resolve(java), {QStringLiteral("-jar"), QStringLiteral("qrlumo.jar")},
                                         files.programFolder());
        if (id && processes->wait(*id, tempoLimite) == Processes::Wait::TimedOut) {
            processes->end(*id);
            travou = true;
        }
        processes->sleep(std::chrono::milliseconds(200));
    }

    if (travou || volumeSemCodigo || !imagemPronta(files, primeiro))
        return false;
    // A generator that wrote something else than an image under a code's name is broken: no
    // volume may print with a QR that is not there.
    for (const QString& codigo : codigos)
        if (codigoSeguro(codigo) && files.fileExists(imagemQr(codigo)) && !imagemPronta(files, codigo))
            return false;
    return true;
}
