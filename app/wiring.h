#pragma once

#include "app/events.h"

class FrmPadrao;
class QtKeystrokes;
class QtMessages;
class SetupDialogs;

// The program's handlers behind the main window's events: the order loaders, the print command,
// the calibration and printer-parameters commands, and the closing of the margin dialogs. The
// margin dialogs' commands have the main window they belong to show its fields again.
MainWindowEvents programEvents(SetupDialogs& dialogs);

// Message boxes over the main window: it owns a box when no window of the program is active, and
// before a box shows it drops the focus moves its keys queued (the box takes them) and shows what
// the handler has changed so far.
void attachMessages(QtMessages& messages, QtKeystrokes& keystrokes, FrmPadrao& window);
