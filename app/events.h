#pragma once

#include "form/program.h"

#include <QString>
#include <cstdint>
#include <functional>

// What the main window hands to the rest of the program. Each hook runs after the window's own
// part of its event (highlight, key preview), and the window shows the model again after it; an
// empty hook does nothing. main.cpp fills them.
struct MainWindowEvents {
    using Handler = std::function<void(Program&)>;
    using KeyHandler = std::function<void(Program&, int16_t& KeyAscii)>;

    // Order and item loading. The window itself already switches key
    // preview for the three lists and moves on with Enter in them (so cmb_referencia1's own
    // got-focus and key-press handlers must not be wired as well: they would move twice).
    KeyHandler txtarquivo_KeyPress;    // a key typed in txtarquivo, already in capitals; Enter is 13
    Handler txtarquivo_LostFocus;      // after the highlight is removed
    Handler cmbtipo_LostFocus;         // after key preview is switched on again
    Handler cmb_referencia_LostFocus;  // the same
    Handler cmb_referencia1_LostFocus; // the same

    // The commands.
    Handler cmd_printacessorio_Click;  // "&Imprimir Etiquetas"
    Handler cmd_calibra_Click;         // "&Calibrar Etiquetas"
    Handler cmd_parametro_Click;       // "&Parâmetro de Impressão"

    // Closing the window by its frame closes the margin dialogs through this, one name at a time
    // ("FrmMargensOcultaZPL2", "FrmMargensCxZPL45", "FrmMargensPackZPL"); closing a dialog that is
    // not open must do nothing.
    std::function<void(Program&, const QString& dialog)> closeDialog;

    // Ends the program at once ("&Sair"); the window uses QCoreApplication::exit when it is empty.
    std::function<void()> endProgram;
};
