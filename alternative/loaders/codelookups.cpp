#include "alternative/loaders/codelookups.h"

#include "platform/errors.h"
#include "platform/vb.h"
#include "settings/ean.h"

#include <optional>

void ret_codcomplementoAcessorio(Program& p)
{
    MainForm& f = p.form;
    f.lblbarra.caption.clear();
    f.lblmaster.caption.clear();

    const QString cor = vb::Trim(f.txtcor.text);
    const QString descricao = vb::Trim(f.txtdescricao.text);
    const QString codigo = vb::Trim(f.txtcodigo.text);
    for (const QString& line : f.List1.items) {
        const QStringList c = vb::Split(line, QStringLiteral(";"));
        // An accessory line has 8 fields at least; a shorter one cannot be the item's.
        if (c.size() < 8)
            continue;
        if (vb::Trim(c.at(1)) == cor && vb::Trim(c.at(3)) == descricao && vb::Trim(vb::Left(c.at(7), 7)) == codigo) {
            f.lblbarra.caption = vb::Trim(c.at(6));
            f.lblmaster.caption = vb::Trim(c.at(7));
            break;
        }
    }
    if (!vb::Trim(f.lblbarra.caption).isEmpty() && f.lblbarra.caption.size() == 12)
        f.lblbarra.caption += vb::Trim(digito_ean13(f.lblbarra.caption));
}

namespace {

QString part(const QString& line, int start, int length) { return vb::Trim(vb::Mid(line, start, length)); }

std::optional<int> sizeOf(const QString& text)
{
    try {
        return vb::CInt(text);
    } catch (const ProgramError&) {
        return std::nullopt;
    }
}

}  // namespace

QString ret_codbar(Program& p, int16_t V_NUMBER, const CodbarKey& chave)
{
    const MainForm& f = p.form;
    const QString cor = vb::Trim(f.txtcor.text);
    QString codigo;
    for (const QString& line : f.List1.items) {
        if (part(line, 45, 10) != vb::Trim(chave.a) || part(line, 67, 10) != cor)
            continue;
        if (part(line, 65, 2) != vb::Trim(chave.b) || part(line, 30, 10) != vb::Trim(chave.c) ||
            part(line, 18, 10) != vb::Trim(chave.d))
            continue;
        const QString tamanho = vb::Mid(line, 15, 2);
        if (tamanho == u"UN") {
            codigo = vb::Mid(line, 1, 14);
            continue;
        }
        const auto n = sizeOf(tamanho);
        if (n && *n == V_NUMBER)
            return vb::Mid(line, 1, 14);
    }
    return codigo;
}
