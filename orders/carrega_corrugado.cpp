#include "orders/carrega_corrugado.h"

#include "orders/cartonlayout.h"
#include "orders/orderline.h"
#include "platform/vb.h"

#include <optional>

namespace {

void fill(MainForm& f, const QStringList& c, const CartonLayout& l)
{
    auto field = [&](int i) { return i >= 0 ? c.at(i) : QString(); };
    f.txtqte1.text = c.at(0);
    f.txtcodigo1.text = c.at(2);
    f.txtfornecedor1.text = c.at(3);
    f.txtcor1.text = c.at(4);
    f.txtdescricao1.text = c.at(5);
    f.txtprepack.text = c.at(l.prepack);
    if (l.ean >= 0) {
        f.txtean.text = c.at(l.ean);
        f.txtean.visible = true;
        f.lblean.visible = true;
    }
    f.txtgrade1.text = c.at(l.grade1);
    f.txtgrade2.text = c.at(l.grade2);
    f.txttotgrade.text = c.at(l.totgrade);
    f.txtsemana1.text = c.at(l.semana);
    if (l.suffix >= 0 && (l.suffixAlways || !vb::Trim(c.at(l.suffix)).isEmpty()))
        f.txtsemana1.text += u'/' + c.at(l.suffix);
    f.txtdestino1.text = c.at(l.destino);
    f.txtvolume.text = c.at(l.volume);
    if (f.pack_novo) {
        f.txtcampanha.text = field(l.campanha);
        f.txtdepartamento.text = field(l.departamento);
        f.txtiniciopromocao.text = field(l.iniciopromocao);
    }
}

// The line, split at ";", belongs to the item of the key; a line of a count no layout knows
// belongs to none.
const CartonLayout* layoutDoItem(const QStringList& c, const KeyParts& key, bool temDepartamento)
{
    const CartonLayout* layout = cartonLayoutOf(static_cast<int>(c.size()), temDepartamento);
    if (!layout || vb::Trim(c.at(layout->code)) != key.code || vb::Trim(c.at(5)) != key.description ||
        vb::Trim(c.at(4)) != key.colour)
        return nullptr;
    return layout;
}

}  // namespace

std::optional<int> numeroVolume(const QString& texto)
{
    const QString t = vb::Trim(texto);
    if (t.isEmpty())
        return std::nullopt;
    for (const QChar ch : t)
        if (ch < u'0' || ch > u'9')
            return std::nullopt;
    bool ok = false;
    const int v = t.toInt(&ok);
    return ok && v <= 32767 ? std::optional<int>(v) : std::nullopt;
}

QList<int> linhasDoCorrugado(const MainForm& f)
{
    QList<int> linhas;
    const auto key = splitKey(f.cmb_referencia1.text);
    if (vb::Trim(f.cmb_referencia1.text).isEmpty() || !key)
        return linhas;
    for (int i = 0; i < f.List1.listCount(); ++i)
        if (layoutDoItem(vb::Split(f.List1.items.at(i), QStringLiteral(";")), *key, f.tem_departamento))
            linhas << i;
    return linhas;
}

std::optional<NumerosVolume> numerosDoVolume(const QString& texto)
{
    const QString t = vb::Trim(texto);
    const auto barra = t.indexOf(u'/');
    if (barra < 0)
        return std::nullopt;
    const auto primeiro = numeroVolume(t.left(barra));
    const auto segundo = numeroVolume(t.mid(barra + 1));
    if (!primeiro || !segundo)
        return std::nullopt;
    return NumerosVolume{*primeiro, *segundo};
}

void carrega_corrugado(Program& p)
{
    MainForm& f = p.form;
    for (TextBox* box : {&f.txtqte1, &f.txtcodigo1, &f.txtdescricao1, &f.txtcor1, &f.txtsemana1, &f.txtprepack,
                         &f.txtgrade1, &f.txtgrade2, &f.txttotgrade, &f.txtfornecedor1, &f.txtdestino1, &f.txtvolume,
                         &f.txtean, &f.txtcampanha, &f.txtdepartamento, &f.txtiniciopromocao})
        box->text.clear();
    f.txtean.visible = false;
    f.lblean.visible = false;
    f.lblmax.caption.clear();
    if (vb::Trim(f.cmb_referencia1.text).isEmpty())
        return;

    if (const auto key = splitKey(f.cmb_referencia1.text)) {
        for (const QString& line : f.List1.items) {
            const QStringList c = vb::Split(line, QStringLiteral(";"));
            if (const CartonLayout* layout = layoutDoItem(c, *key, f.tem_departamento)) {
                fill(f, c, *layout);
                break;
            }
        }
    }

    f.cmb_vol1.clear();
    f.cmb_vol2.clear();
    // A range that is not two whole numbers gives no volumes, so nothing can be printed from it.
    const auto faixa = numerosDoVolume(f.txtvolume.text);
    if (!faixa)
        return;
    for (int i = faixa->primeiro; i <= faixa->segundo; ++i) {
        f.cmb_vol1.addItem(QString::number(i));
        f.cmb_vol2.addItem(QString::number(i));
    }
    if (f.cmb_vol1.listCount() > 0) {
        f.cmb_vol1.setListIndex(0);
        f.cmb_vol2.setListIndex(f.cmb_vol2.listCount() - 1);
        f.lblmax.caption = f.cmb_vol2.text;
    }
}

void limpa_objetos(Program& p)
{
    MainForm& f = p.form;
    for (TextBox* box : {&f.txtcodigo, &f.txtcor, &f.txtsemana, &f.txtbandeira, &f.txtpreco, &f.txtdescricao})
        box->text.clear();
    // The grid has cells 0 to 13 only; the further cells this once cleared do not exist.
    f.txtnumero[3].text.clear();
    f.txtnumero[2].text.clear();
    for (TextBox* box : {&f.txtcodigo1, &f.txtcor1, &f.txtsemana1, &f.txtdescricao1, &f.txtgrade1, &f.txtgrade2,
                         &f.txtfornecedor1, &f.txtdestino1, &f.txtvolume, &f.txtqte1, &f.txtprepack, &f.txttotgrade})
        box->text.clear();
}
