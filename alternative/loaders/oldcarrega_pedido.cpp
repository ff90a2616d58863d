#include "alternative/loaders/oldcarrega_pedido.h"

#include "alternative/loaders/earlierorder.h"
#include "platform/vb.h"

namespace {

struct EarlierLayout {
    int minFields;  // a line with fewer is left out: its key cannot be built
    int descricao, cor, codigo;
    int codigoChars;  // characters of the code in the key; -1 the whole field
    bool everyLine;   // List1 takes every data line, or only the first of each reference
};

constexpr EarlierLayout kFrente{7, 4, 1, 6, 8, true};
constexpr EarlierLayout kAcessorio{8, 3, 1, 7, -1, false};

void load(Program& p, const EarlierLayout& l)
{
    MainForm& f = p.form;
    const EarlierOrder order = readEarlierOrder(p);
    if (order.state == EarlierOrder::State::Missing) {
        p.ws.messages.show(QStringLiteral("O arquivo não existe!"), mb::Exclamation, QStringLiteral("ATENÇÃO!!!"));
        return;
    }
    if (order.state == EarlierOrder::State::Blank) {
        warnBlankOrder(p);
        return;
    }

    f.List1.clear();
    f.cmb_referencia.clear();
    for (const QString& line : order.lines) {
        if (!isEarlierDataLine(line))
            continue;
        const QStringList c = vb::Split(line, QStringLiteral(";"));
        if (c.size() < l.minFields)
            continue;
        const QString codigo = l.codigoChars < 0 ? c.at(l.codigo) : vb::Left(c.at(l.codigo), l.codigoChars);
        const QString key = c.at(l.descricao) + QStringLiteral(" | ") + c.at(l.cor) + QStringLiteral(" | ") + codigo;
        const bool isNew = !f.cmb_referencia.items.contains(key);
        if (isNew)
            f.cmb_referencia.addItem(key);
        if (isNew || l.everyLine)
            f.List1.addItem(line);
    }
    if (f.cmb_referencia.listCount() > 0)
        f.cmb_referencia.setListIndex(0);
}

}  // namespace

void oldcarrega_pedido(Program& p) { load(p, kFrente); }

void oldcarrega_pedidoAcessorio(Program& p) { load(p, kAcessorio); }
