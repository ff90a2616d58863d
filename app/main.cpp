#include "app/events.h"
#include "app/frmpadrao.h"
#include "app/qtkeystrokes.h"
#include "app/qtmessages.h"
#include "form/globals.h"
#include "form/mainform.h"
#include "form/program.h"
#include "platform/filesystem.h"
#include "platform/profilefile.h"
#include "platform/qtprinter.h"
#include "platform/screen.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    installFontSubstitutes();
    // The program folder is the executable's folder, as the settings and order files expect.
    FileSystem files(QCoreApplication::applicationDirPath());
    ProfileFile profile(files);
    QtPrinterSystem printers(files);
    QtMessages messages;
    GuiScreen screen;
    QtKeystrokes keystrokes;
    Workstation ws{files, profile, printers, messages, screen};
    ws.keystrokes = &keystrokes;
    MainForm form;
    Globals globals;
    Program program{ws, form, globals};

    // The order loaders (txtarquivo, cmbtipo, cmb_referencia, cmb_referencia1), the print
    // command, the dialogs and the closing of the margin dialogs are wired here.
    MainWindowEvents events;

    FrmPadrao window(program, events);
    messages.setParent(&window);
    messages.setBeforeShow([&] {
        keystrokes.dropPending();
        window.refresh();
    });
    window.load();
    window.show();
    return application.exec();
}
