#include "orders/handlers.h"

#include "form/grid.h"
#include "orders/carrega_corrugado.h"
#include "orders/carrega_gradeFc.h"
#include "orders/carrega_grade_Acessorio.h"
#include "orders/carrega_pedido.h"
#include "platform/vb.h"
#include "settings/fields.h"

void txtarquivo_KeyPress(Program& p, int16_t& KeyAscii)
{
    if (KeyAscii == key::Enter) {
        p.form.cmb_referencia.clear();
        carrega_pedido(p);
    } else {
        KeyAscii = Mais(KeyAscii);
    }
}

void txtarquivo_LostFocus(Program& p)
{
    if (!vb::Trim(p.form.txtarquivo.text).isEmpty()) {
        p.form.cmb_referencia.clear();
        carrega_pedido(p);
    }
    p.form.txtpromocao.text.clear();
}

void cmbtipo_LostFocus(Program& p)
{
    MainForm& f = p.form;
    f.keyPreview = true;
    if (vb::Trim(f.txtarquivo.text).isEmpty())
        return;
    f.cmb_referencia.clear();
    carrega_pedido(p);
    const bool acessorio = f.cmbtipo.text == QStringLiteral("Acessório");
    f.Label71.caption = acessorio ? QStringLiteral("Total de Itens") : QStringLiteral("Total de Pares");
    f.Label72.visible = !acessorio;
    f.TXTOCULTAS.visible = !acessorio;
    f.txtpromocao.text.clear();
}

void cmb_referencia_LostFocus(Program& p)
{
    MainForm& f = p.form;
    f.keyPreview = true;
    if (vb::Trim(f.cmb_referencia.text).isEmpty())
        return;
    if (f.Frame1.caption == QStringLiteral("Acessório")) {
        carrega_grade_Acessorio(p);
        oculta_objetos(f);
    } else if (f.Frame1.caption == QStringLiteral("Corrugado")) {
        carrega_corrugado(p);
    } else {
        carrega_gradeFc(p);
        oculta_objetos(f);
    }
}

void cmb_referencia1_GotFocus(Program& p) { p.form.keyPreview = false; }

void cmb_referencia1_KeyPress(Program& p, int16_t& KeyAscii)
{
    if (KeyAscii == key::Enter)
        proximo(p.ws.keystrokes, KeyAscii);
}

void cmb_referencia1_LostFocus(Program& p)
{
    p.form.keyPreview = true;
    if (!vb::Trim(p.form.cmb_referencia1.text).isEmpty())
        carrega_corrugado(p);
}
