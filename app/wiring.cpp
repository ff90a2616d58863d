#include "app/wiring.h"

#include "app/frmpadrao.h"
#include "app/qtkeystrokes.h"
#include "app/qtmessages.h"

#include "labels/product/cmd_printacessorio.h"
#include "orders/handlers.h"
#include "setup/setupdialogs.h"

MainWindowEvents programEvents(SetupDialogs& dialogs)
{
    MainWindowEvents e;
    // cmb_referencia1's own got-focus and key-press handlers stay out: the window already switches
    // key preview and moves on with Enter in its lists.
    e.txtarquivo_KeyPress = txtarquivo_KeyPress;
    e.txtarquivo_LostFocus = txtarquivo_LostFocus;
    e.cmbtipo_LostFocus = cmbtipo_LostFocus;
    e.cmb_referencia_LostFocus = cmb_referencia_LostFocus;
    e.cmb_referencia1_LostFocus = cmb_referencia1_LostFocus;
    e.closeDialog = dialogs.closer();
    e.cmd_printacessorio_Click = [&dialogs](Program& p) { cmd_printacessorio_Click(p, dialogs.closer()); };
    e.cmd_calibra_Click = [&dialogs](Program& p) { cmd_calibra_Click(p, dialogs); };
    e.cmd_parametro_Click = [&dialogs](Program&) { cmd_parametro_Click(dialogs); };
    dialogs.setAfterMarginCommand([](QWidget* owner) {
        if (auto* window = qobject_cast<FrmPadrao*>(owner))
            window->refresh();
    });
    return e;
}

void attachMessages(QtMessages& messages, QtKeystrokes& keystrokes, FrmPadrao& window)
{
    messages.setParent(&window);
    messages.setBeforeShow([&keystrokes, &window] {
        keystrokes.dropPending();
        window.refresh();
    });
}
