#include "app/events.h"
#include "app/frmpadrao.h"
#include "app/qtkeystrokes.h"
#include "app/qtmessages.h"
#include "app/wiring.h"
#include "form/globals.h"
#include "form/mainform.h"
#include "form/program.h"
#include "platform/filesystem.h"
#include "platform/heap.h"
#include "platform/language.h"
#include "platform/processes.h"
#include "platform/profilefile.h"
#include "platform/qtprinter.h"
#include "platform/rawsender.h"
#include "platform/runtimefolder.h"
#include "platform/screen.h"
#include "setup/qtfolderpicker.h"
#include "setup/setupdialogs.h"

#include <QApplication>

int main(int argc, char** argv)
{
    keepHeapWarm();
    provideRuntimeFolder();
    QApplication application(argc, argv);
    language::installQtTranslations();
    installFontSubstitutes();
    // The program folder is the executable's folder, as the settings and order files expect.
    FileSystem files(QCoreApplication::applicationDirPath());
    ProfileFile profile(files);
    QtPrinterSystem printers(files);
    QtMessages messages;
    GuiScreen screen;
    QtKeystrokes keystrokes;
    QtProcesses processes;
    BatchFileSender rawSender(BatchFileSender::standardPorts());
    QtFolderPicker folderPicker;
    Workstation ws{files, profile, printers, messages, screen};
    ws.keystrokes = &keystrokes;
    ws.processes = &processes;
    ws.rawSender = &rawSender;
    ws.folderPicker = &folderPicker;
    MainForm form;
    Globals globals;
    Program program{ws, form, globals};

    FrmPadrao window(program, MainWindowEvents{});
    // The margin dialogs belong to the window; the printer-parameters dialog stands on its own.
    SetupDialogs dialogs(program, &window);
    window.events() = programEvents(dialogs);
    attachMessages(messages, keystrokes, window);
    window.start();
    return application.exec();
}
