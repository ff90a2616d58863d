#include "app/fieldbehaviour.h"

#include "form/grid.h"
#include "form/selection.h"
#include "settings/fields.h"

namespace {

// The size cell c is, or -1.
int sizeCell(const MainForm& f, const Control& c)
{
    for (int k = 0; k < MainForm::kSizeCells; ++k)
        if (&c == &f.txtnumero[k])
            return k;
    return -1;
}

bool isReferenceOrTypeList(const MainForm& f, const Control& c)
{
    return &c == &f.cmbtipo || &c == &f.cmb_referencia || &c == &f.cmb_referencia1;
}

// The fields that show the highlight while they have the focus.
TextBox* highlighted(MainForm& f, Control& c)
{
    if (&c == &f.txtarquivo || &c == &f.txtcliente || &c == &f.txtcor || &c == &f.TXTOCULTAS)
        return static_cast<TextBox*>(&c);
    if (const int k = sizeCell(f, c); k >= 0)
        return &f.txtnumero[k];
    return nullptr;
}

void run(const MainWindowEvents::Handler& hook, Program& p)
{
    if (hook)
        hook(p);
}

}  // namespace

void entra1(TextBox& obj)
{
    obj.backColor = kHighlightColour;
    seleciona(obj);
}

void sai1(TextBox& obj) { obj.backColor = kPlainColour; }

void Form_KeyDown(Program& p, int16_t keyCode, int16_t /*shift*/) { proximo(p.ws.keystrokes, keyCode); }

void controlGotFocus(Program& p, const MainWindowEvents&, Control& c)
{
    MainForm& f = p.form;
    if (isReferenceOrTypeList(f, c)) {
        // Up and Down then move through the items instead of moving the focus.
        f.keyPreview = false;
        return;
    }
    if (TextBox* box = highlighted(f, c))
        entra1(*box);
}

void controlKeyPress(Program& p, const MainWindowEvents& events, Control& c, int16_t& keyAscii)
{
    MainForm& f = p.form;
    if (isReferenceOrTypeList(f, c)) {
        if (keyAscii == key::Enter)
            proximo(p.ws.keystrokes, keyAscii);
        return;
    }
    if (&c == &f.txtarquivo) {
        // Enter goes to the loader; any other key arrives in capitals.
        if (keyAscii != key::Enter)
            keyAscii = Mais(keyAscii);
        if (events.txtarquivo_KeyPress)
            events.txtarquivo_KeyPress(p, keyAscii);
        return;
    }
    if (&c == &f.txtcliente || &c == &f.txtcor) {
        keyAscii = Mais(keyAscii);
        return;
    }
    if (&c == &f.txtlote || &c == &f.TXTOCULTAS || sizeCell(f, c) >= 0)
        keyAscii = Numero(keyAscii);
}

void controlLostFocus(Program& p, const MainWindowEvents& events, Control& c)
{
    MainForm& f = p.form;
    if (isReferenceOrTypeList(f, c)) {
        f.keyPreview = true;
        if (&c == &f.cmbtipo)
            run(events.cmbtipo_LostFocus, p);
        else if (&c == &f.cmb_referencia)
            run(events.cmb_referencia_LostFocus, p);
        else
            run(events.cmb_referencia1_LostFocus, p);
        return;
    }
    if (TextBox* box = highlighted(f, c))
        sai1(*box);
    if (&c == &f.txtarquivo)
        run(events.txtarquivo_LostFocus, p);
    else if (sizeCell(f, c) >= 0)
        soma(f);
}
