#include "orders/ret_codcomplemento.h"

#include "platform/vb.h"
#include "settings/ean.h"

#include <algorithm>

namespace {

struct CodeLayout {
    int cor, descricao, codigo, tamanho, ean, master;  // tamanho -1: no size test
};

constexpr CodeLayout kFrente{1, 4, 6, 2, 5, 6};
constexpr CodeLayout kAcessorio{1, 3, 7, -1, 6, 7};

}  // namespace

void ret_codcomplemento(Program& p, const QString& m_numero)
{
    MainForm& f = p.form;
    f.lblbarra.caption.clear();
    f.lblmaster.caption.clear();

    const auto tamanho = vb::parseNumber(m_numero);
    if (!tamanho)
        return;
    const CodeLayout& l = *tamanho != 0 ? kFrente : kAcessorio;
    const int lastField = std::max({l.cor, l.descricao, l.codigo, l.tamanho, l.ean, l.master});

    const QString cor = vb::Trim(f.txtcor.text);
    const QString descricao = vb::Trim(f.txtdescricao.text);
    const QString codigo = vb::Trim(f.txtcodigo.text);
    for (const QString& line : f.List1.items) {
        const QStringList c = vb::Split(line, QStringLiteral(";"));
        // A line of another family may be shorter than this layout; it cannot be the one.
        if (c.size() <= lastField)
            continue;
        if (cor != vb::Trim(c.at(l.cor)) || descricao != vb::Trim(c.at(l.descricao)) ||
            codigo != vb::Trim(vb::Left(c.at(l.codigo), 7)) || (l.tamanho >= 0 && c.at(l.tamanho) != m_numero))
            continue;
        f.lblbarra.caption = vb::Trim(c.at(l.ean));
        f.lblmaster.caption = vb::Trim(c.at(l.master));
        break;
    }

    if (!vb::Trim(f.lblbarra.caption).isEmpty() && f.lblbarra.caption.size() == 12)
        f.lblbarra.caption += vb::Trim(digito_ean13(f.lblbarra.caption));
}
