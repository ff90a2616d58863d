#include "labels/pack/codigopack.h"

#include "orders/carrega_corrugado.h"
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

QMap<int, QString> codigosDoCorrugado(const MainForm& form)
{
    QMap<int, QString> codigos;
    const QString max = vb::Trim(form.lblmax.caption);
    const auto ultimo = numeroVolume(max);
    for (const int linha : linhasDoCorrugado(form)) {
        const auto entrada = entradaNaPosicao(form.lsteanpack, linha);
        const auto barra = entrada ? entrada->volume.indexOf(u'/') : -1;
        if (barra < 0)
            continue;
        const auto volume = numeroVolume(entrada->volume.left(barra));
        // The count as a number ("02" is 2); a last volume that is no number is compared as text.
        const QString conta = vb::Trim(entrada->volume.mid(barra + 1));
        const bool mesmaConta = ultimo ? numeroVolume(conta) == ultimo : conta == max;
        if (volume && mesmaConta && !codigos.contains(*volume))
            codigos.insert(*volume, entrada->codigo);
    }
    return codigos;
}

QString codigoDoVolume(const MainForm& form, int volume) { return codigosDoCorrugado(form).value(volume); }

FaixaVolumes faixaDoCorrugado(const MainForm& form)
{
    FaixaVolumes faixa;
    tryStep([&] { faixa.primeiro = vb::CInt(form.cmb_vol1.list(0)); });
    tryStep([&] { faixa.ultimo = vb::CInt(form.cmb_vol2.list(form.cmb_vol2.listCount() - 1)); });
    return faixa;
}

QList<int> volumesSemCodigo(const QMap<int, QString>& codigos, QList<int> volumes)
{
    std::sort(volumes.begin(), volumes.end());
    volumes.erase(std::unique(volumes.begin(), volumes.end()), volumes.end());
    QList<int> sem;
    for (const int v : volumes)
        if (!codigoSeguro(codigos.value(v)))
            sem << v;
    return sem;
}
