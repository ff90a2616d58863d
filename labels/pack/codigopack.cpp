#include "labels/pack/codigopack.h"

#include "platform/errors.h"
#include "platform/vb.h"

#include <algorithm>

EntradaPack entradaPack(const QString& item)
{
    const QStringList partes = vb::Split(item, QStringLiteral("|"));
    auto parte = [&](int i) { return i < partes.size() ? vb::Trim(partes.at(i)) : QString(); };
    return {parte(0), parte(1), parte(2)};
}

std::optional<EntradaPack> entradaNaPosicao(const ListBox& lsteanpack, int posicao)
{
    if (posicao < 0 || posicao >= lsteanpack.listCount())
        return std::nullopt;
    return entradaPack(lsteanpack.items.at(posicao));
}

bool codigoSeguro(const QString& codigo)
{
    if (codigo.isEmpty() || codigo.contains(QStringLiteral("..")))
        return false;
    for (const QChar c : codigo)
        if (c == u'/' || c == u'\\' || c.unicode() < 0x20)
            return false;
    return true;
}

QString imagemQr(const QString& codigo) { return QStringLiteral("tmp\\") + codigo + QStringLiteral(".jpg"); }

QString chaveVolume(const MainForm& form, int volume)
{
    return vb::Trim(vb::CStr(volume)) + u'/' + vb::Trim(form.lblmax.caption);
}

QString codigoDoVolume(const MainForm& form, int volume)
{
    const QString chave = chaveVolume(form, volume);
    const QString master = vb::Trim(form.txtcodigo1.text);
    for (const QString& item : form.lsteanpack.items) {
        const EntradaPack e = entradaPack(item);
        if (e.master == master && e.volume == chave)
            return e.codigo;
    }
    return {};
}

FaixaVolumes faixaDoCorrugado(const MainForm& form)
{
    FaixaVolumes faixa;
    tryStep([&] { faixa.primeiro = vb::CInt(form.cmb_vol1.list(0)); });
    tryStep([&] { faixa.ultimo = vb::CInt(form.cmb_vol2.list(form.cmb_vol2.listCount() - 1)); });
    return faixa;
}

QList<int> volumesSemCodigo(const MainForm& form, QList<int> volumes)
{
    std::sort(volumes.begin(), volumes.end());
    volumes.erase(std::unique(volumes.begin(), volumes.end()), volumes.end());
    QList<int> sem;
    for (const int v : volumes)
        if (!codigoSeguro(codigoDoVolume(form, v)))
            sem << v;
    return sem;
}
