#include "labels/pack/codigopack.h"

#include "platform/vb.h"

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

QString codigoDoVolume(const MainForm& form, int volume)
{
    const QString chave = vb::Trim(vb::CStr(volume)) + u'/' + vb::Trim(form.lblmax.caption);
    const QString master = vb::Trim(form.txtcodigo1.text);
    for (const QString& item : form.lsteanpack.items) {
        const EntradaPack e = entradaPack(item);
        if (e.master == master && e.volume == chave)
            return e.codigo;
    }
    return {};
}
