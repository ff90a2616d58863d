#pragma once

#include "form/globals.h"
#include "form/mainform.h"
#include "platform/workstation.h"

// What a handler of the program works on: the workstation, the main window and the
// program-wide variables.
struct Program {
    Workstation& ws;
    MainForm& form;
    Globals& g;
};
