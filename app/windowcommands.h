#pragma once

#include "app/events.h"
#include "form/program.h"

#include <QStringList>

// The window-level commands and gestures besides start-up.

// "&Sair": writes the six "Config" keys in their order, as the fields hold them (a file that
// cannot be written is told to the operator), then ends the program through the hook; nothing
// else runs after it.
void cmd_sair_Click(Program& p, const MainWindowEvents& events);

// The margin dialogs that closing the window by its frame closes, in this order.
inline const QStringList kMarginDialogs{QStringLiteral("FrmMargensOcultaZPL2"), QStringLiteral("FrmMargensCxZPL45"),
                                        QStringLiteral("FrmMargensPackZPL")};

// Closing the window by its frame: closes the margin dialogs, ignoring failures, and saves
// nothing. The printer-parameters dialog stays open.
void Form_Unload(Program& p, const MainWindowEvents& events);

// Whatever size the window was given, it takes its own again.
void Form_Resize(MainForm& form);

// A double-click on the order-selection panel shows the order header panel, or hides it.
void Frame4_DblClick(MainForm& form);

// A double-click on a grade line or the grade total of the carton panel flips that field's lock.
void txtgrade_DblClick(TextBox& field);
