#include "orders/carrega_grade_Acessorio.h"

#include "form/grid.h"
#include "orders/itemgrid.h"
#include "orders/orderline.h"
#include "platform/vb.h"

namespace {

void fill(MainForm& f, const QStringList& c)
{
    const bool curta = c.size() == 8;  // no price, week suffix or promotion
    f.txtcodigo.text = vb::Left(c.at(7), 7);
    f.txtcor.text = c.at(1);
    f.txtdescricao.text = c.at(3);
    f.txtpreco.text = curta ? QString() : c.at(8);
    f.txtsemana.text = c.at(4);
    if (!curta && !vb::Trim(c.at(9)).isEmpty())
        f.txtsemana.text = vb::Trim(c.at(4)) + u'/' + vb::Trim(c.at(9));
    f.txtbandeira.text = c.at(5);
    f.TXTPARES.text = c.at(0);
    if (!curta)
        f.txtpromocao.text = c.at(10);
    f.lblbarra.caption = c.at(6);
    // The operator may change the quantity of a single-line item before printing.
    if (c.size() != 11)
        f.TXTPARES.locked = false;
}

}  // namespace

void carrega_grade_Acessorio(Program& p)
{
    MainForm& f = p.form;
    OCULTA_ITENS(f);
    f.TXTPARES.text.clear();
    f.TXTOCULTAS.text.clear();
    if (vb::Trim(f.cmb_referencia.text).isEmpty())
        return;

    const auto key = splitKey(f.cmb_referencia.text);
    if (!key)
        return;
    int count = 0;
    int semCelula = 0;
    bool placed = false;
    for (const QString& line : f.List1.items) {
        const QStringList c = vb::Split(line, QStringLiteral(";"));
        const auto n = c.size();
        if (n != 8 && n != 11 && n != 12 && n != 13)
            continue;
        if (vb::Left(vb::Trim(c.at(7)), 7) != key->code || vb::Trim(c.at(3)) != key->description ||
            vb::Trim(c.at(1)) != key->colour)
            continue;
        if (count == 0) {
            fill(f, c);
            placed = true;
        }
        if (n == 11) {
            placed = false;
            const int k = firstFreeCell(f);
            if (k >= 0) {
                f.Label7[k].caption = c.at(2);
                f.txtnumero[k].text = c.at(0);
                placed = true;
            }
        }
        if (!placed)
            ++semCelula;
        ++count;
    }
    warnGridFull(p, semCelula);
}
