#include "alternative/loaders/agrupa_pedido.h"

#include "alternative/loaders/earlierorder.h"
#include "platform/errors.h"
#include "platform/vb.h"

#include <QSet>
#include <optional>

namespace {

QString productKey(const QString& entry) { return vb::Right(entry, 7); }

// The text before the first ";" as a whole number, halves to the even neighbour.
std::optional<int> quantity(const QString& entry)
{
    const int semicolon = vb::InStr(entry, QStringLiteral(";"));
    if (semicolon == 0)
        return std::nullopt;
    try {
        return vb::CInt(vb::Left(entry, semicolon - 1));
    } catch (const ProgramError&) {
        return std::nullopt;
    }
}

}  // namespace

void agrupa_pedido(Program& p, QStringList& lista, const QString& percentual)
{
    std::optional<double> fator;
    if (!vb::Trim(percentual).isEmpty())
        fator = vb::CDbl(percentual) / 100.0 + 1.0;

    const EarlierOrder order = readEarlierOrder(p);
    if (order.state == EarlierOrder::State::Missing) {
        p.ws.messages.show(QStringLiteral("Arquivo: ") + earlierOrderPath(p) + QStringLiteral(", não foi localizado"));
        return;
    }
    if (order.state == EarlierOrder::State::Blank) {
        warnBlankOrder(p);
        return;
    }
    for (const QString& line : order.lines)
        if (isEarlierDataLine(line))
            lista.append(line);
    if (lista.size() < 2)
        return;

    // Each key is grouped once: the group entries appended at the end carry keys already done,
    // so the walk passes over them and no markup is applied twice.
    QSet<QString> done;
    int pos = 0;
    while (pos < lista.size()) {
        const QString entry = lista.at(pos);
        const QString key = productKey(entry);
        if (!quantity(entry) || done.contains(key)) {
            ++pos;
            continue;
        }
        done.insert(key);

        long long total = 0;
        for (const QString& e : lista)
            if (productKey(e) == key)
                total += quantity(e).value_or(0);
        if (total <= 0) {
            ++pos;
            continue;
        }
        for (int i = static_cast<int>(lista.size()) - 1; i >= 0; --i)
            if (productKey(lista.at(i)) == key && quantity(lista.at(i)))
                lista.removeAt(i);
        // The entry at pos was one of them, so pos now holds the next entry not yet looked at.
        lista.append((fator ? vb::CStr(static_cast<double>(total) * *fator) : QString::number(total)) + u';' + key);
    }
}
