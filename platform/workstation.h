#pragma once

#include "platform/filesystem.h"
#include "platform/keystrokes.h"
#include "platform/messages.h"
#include "platform/printer.h"
#include "platform/profilefile.h"
#include "platform/screen.h"

class Processes;
class FolderPicker;
class RawSender;
class HttpClient;
class Clipboard;

// What the workstation offers the program. The program builds the real one at start; tests build
// one over a temporary program folder with recording and scripted stand-ins.
struct Workstation {
    FileSystem& files;
    ProfileFile& profile;
    PrinterSystem& printers;
    Messages& messages;
    Screen& screen;
    // Services only some parts use; those parts report a missing one as an error of their own.
    Keystrokes* keystrokes = nullptr;
    Processes* processes = nullptr;
    FolderPicker* folderPicker = nullptr;
    RawSender* rawSender = nullptr;
    HttpClient* http = nullptr;
    Clipboard* clipboard = nullptr;
};
