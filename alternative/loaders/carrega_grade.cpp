#include "alternative/loaders/carrega_grade.h"

#include "platform/vb.h"
#include "settings/ean.h"
#include "settings/text.h"

#include <optional>

namespace {

// The fields of the selected reference's line, when there is one with enough fields.
std::optional<QStringList> selectedLine(const MainForm& f, int minFields)
{
    const int index = f.cmb_referencia.listIndex;
    if (index < 0 || index >= f.List1.listCount())
        return std::nullopt;
    QStringList c = vb::Split(f.List1.items.at(index), QStringLiteral(";"));
    if (c.size() < minFields)
        return std::nullopt;
    return c;
}

// Code, colour, description and week of a box-front line, in the order the loaders write them.
void fillFrente(MainForm& f, const QStringList& c)
{
    f.txtcodigo.text = c.at(6);
    f.txtcor.text = c.at(0);
    f.txtdescricao.text = c.at(5);
    f.txtsemana.text = c.at(4);
}

}  // namespace

// The earlier loaders went on to empty cells up to 43, 44 and 47; the grid ends at cell 13, so
// only the cells that exist are touched.

void oldcarrega_grade(Program& p)
{
    MainForm& f = p.form;
    const auto c = selectedLine(f, 7);
    if (!c)
        return;
    fillFrente(f, *c);
    f.txtnumero[0].text.clear();
    f.txtnumero[1].text.clear();
}

void carrega_grade(Program& p)
{
    MainForm& f = p.form;
    const auto c = selectedLine(f, 9);
    // A line of 10 fields has neither the 9-field form nor a brand field.
    if (!c || c->size() == 10)
        return;
    f.txtbandeira.text = c->size() == 9 ? QStringLiteral("O") : c->at(10);
    if (vb::Trim(f.txtbandeira.text) == u"O")
        f.txtpreco.text = c->at(8);
    fillFrente(f, *c);
    f.txtnumero[0].text.clear();
    f.txtnumero[1].text = QStringLiteral("1");
}

void carrega_gradeAcessorio(Program& p)
{
    MainForm& f = p.form;
    const auto c = selectedLine(f, 8);
    if (!c)
        return;
    f.txtean13.text.clear();
    f.txtcor.text = c->at(1);
    f.txtnumero[3].text = c->at(0);
    f.txtdescricao.text = c->at(3);
    f.txtsemana.text = c->at(4);
    f.txtbandeira.text = c->at(5);
    f.txtcodigo.text = c->at(7);
    f.txtpreco.text = c->size() >= 9 ? c->at(8) : QString();
    f.txtean13.text = c->at(6);
    f.txtcor.text = tira_acento(f.txtcor.text);
    f.txtdescricao.text = tira_acento(f.txtdescricao.text);
    f.txtnumero[0].text.clear();
    f.txtnumero[1].text.clear();
    AJUSTA_EAN(p);
}

void AJUSTA_EAN(Program& p)
{
    QString& ean = p.form.txtean13.text;
    if (!vb::Trim(ean).isEmpty() && ean.size() == 12)
        ean += vb::Trim(digito_ean13(ean));
}
