#pragma once

#include "app/events.h"

class SetupDialogs;

// The program's handlers behind the main window's events: the order loaders, the print command,
// the calibration and printer-parameters commands, and the closing of the margin dialogs.
MainWindowEvents programEvents(SetupDialogs& dialogs);
