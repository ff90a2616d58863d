#include "rawprint/pega_margens.h"

#include "platform/vb.h"
#include "settings/keys.h"
#include "settings/settings.h"

#include <vector>

namespace {

// One margin set: its keys in order, the last one the top when the set has a key for it, or a
// fixed top that no key holds.
struct MarginRow {
    std::vector<ini::DotsKey> keys;
    bool lastIsTop = false;
    std::optional<int> fixedTop;
};

template <size_t N>
std::vector<ini::DotsKey> keysOf(const std::array<ini::DotsKey, N>& a, size_t count = N)
{
    return {a.begin(), a.begin() + static_cast<std::ptrdiff_t>(count)};
}

MarginSet leSet(Program& p, const MarginRow& zpl, const MarginRow& ppla)
{
    p.form.arquivo_ini = settingsPath(p.ws.files);
    const MarginRow& row = p.form.lbllinguagem.caption == u"ZPL" ? zpl : ppla;
    const size_t columns = row.keys.size() - (row.lastIsTop ? 1 : 0);
    MarginSet set;
    for (size_t i = 0; i < columns; ++i)
        set.columns << QString();
    if (row.lastIsTop || row.fixedTop)
        set.top = QString();
    if (!p.ws.files.fileExists(p.form.arquivo_ini))
        return set;

    auto read = [&](const ini::DotsKey& k) {
        const QString v = le_ini(p.ws.profile, p.form.arquivo_ini, qs(ini::kMargens), qs(k.key), QString());
        return vb::Trim(v).isEmpty() ? QString::number(k.standard) : v;
    };
    for (size_t i = 0; i < columns; ++i)
        set.columns[static_cast<qsizetype>(i)] = read(row.keys[i]);
    if (row.lastIsTop)
        set.top = read(row.keys.back());
    else if (row.fixedTop)
        set.top = QString::number(*row.fixedTop);
    return set;
}

std::vector<ini::DotsKey> plus(std::vector<ini::DotsKey> keys, ini::DotsKey more)
{
    keys.push_back(more);
    return keys;
}

}  // namespace

MarginSet pega_margemoculta(Program& p)
{
    return leSet(p, {keysOf(ini::kZplOculta3), true, {}}, {keysOf(ini::kPplaOculta3), false, {}});
}

MarginSet pega_margemoculta7(Program& p)
{
    return leSet(p, {plus(keysOf(ini::kZplOculta7Columns, 7), ini::kZplOculta7Top), true, {}},
                 {keysOf(ini::kPplaOculta7), false, {}});
}

MarginSet pega_margemoculta8(Program& p)
{
    // The PPLA set has no key of its own for column 8: it reads column 7's again.
    return leSet(p, {plus(keysOf(ini::kZplOculta7Columns), ini::kZplOculta8Top), true, {}},
                 {plus(keysOf(ini::kPplaOculta7), ini::kPplaOculta7[6]), false, {}});
}

MarginSet pega_margemfc(Program& p)
{
    return leSet(p, {keysOf(ini::kZplFrente), true, {}}, {keysOf(ini::kPplaFrente), false, 10});
}

MarginSet pega_margemfc2(Program& p)
{
    return leSet(p, {keysOf(ini::kZplFrenteA), true, {}}, {keysOf(ini::kPplaFrenteA), false, 10});
}

MarginSet pega_margemcorrugado(Program& p)
{
    return leSet(p, {keysOf(ini::kCorrugada, 2), true, {}}, {{ini::kCorrugada[2], ini::kCorrugada[3]}, true, {}});
}
