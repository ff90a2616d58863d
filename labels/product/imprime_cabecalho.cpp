#include "labels/product/imprime_cabecalho.h"

#include "labels/toolkit/elements.h"
#include "platform/vb.h"

#include <array>

using namespace labels;

namespace {

// Both texts stand 6 mm below the page's top edge, whatever the family's top margin.
struct HeaderKind {
    const char16_t* kind;
    double points;
    float Globals::*leftMargin;
    double leftOffset;
    float Globals::*rightMargin;
    double rightOffset;
    double y;
};

constexpr std::array kKinds{
    HeaderKind{u"OCULTA", 10, &Globals::margem_oculta_col1, 3, &Globals::margem_oculta_col2, 6, 6},
    HeaderKind{u"FC", 12, &Globals::margem_caixa_col1, 3, &Globals::margem_caixa_col2, 3, 6},
};

}  // namespace

void Imprime_CabecAlho(Program& program, const QString& M_TIPO)
{
    const QString kind = vb::UCase(M_TIPO);
    for (const HeaderKind& k : kKinds) {
        if (kind != QStringView(k.kind))
            continue;
        Printer& printer = program.ws.printers.current();
        applyFont(printer, {"Franklin Gothic Medium", k.points, Bold::On});
        const QString text = QStringLiteral("Pedido: ") + program.form.txtarquivo.text;
        printAt(printer, program.g.*k.leftMargin + k.leftOffset, k.y, text);
        printAt(printer, program.g.*k.rightMargin + k.rightOffset, k.y, text);
        printer.newPage();
        return;
    }
}
