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

// A volume number: a whole number in 16-bit range, blanks around it allowed.
std::optional<int> volumeNumber(const QString& text)
{
    const QString t = vb::Trim(text);
    if (t.isEmpty())
        return std::nullopt;
    for (const QChar ch : t)
        if (ch < u'0' || ch > u'9')
            return std::nullopt;
    const auto v = t.toInt();
    return v <= 32767 ? std::optional<int>(v) : std::nullopt;
}

}  // namespace

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
            const CartonLayout* layout = cartonLayoutOf(static_cast<int>(c.size()), f.tem_departamento);
            if (!layout || vb::Trim(c.at(layout->code)) != key->code || vb::Trim(c.at(5)) != key->description ||
                vb::Trim(c.at(4)) != key->colour)
                continue;
            fill(f, c, *layout);
            break;
        }
    }

    f.cmb_vol1.clear();
    f.cmb_vol2.clear();
    const QString volume = vb::Trim(f.txtvolume.text);
    const auto barra = volume.indexOf(u'/');
    if (volume.isEmpty() || barra < 0)
        return;
    // A range that is not two whole numbers gives no volumes, so nothing can be printed from it.
    const auto primeiro = volumeNumber(volume.left(barra));
    const auto ultimo = volumeNumber(volume.mid(barra + 1));
    if (!primeiro || !ultimo)
        return;
    for (int i = *primeiro; i <= *ultimo; ++i) {
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
