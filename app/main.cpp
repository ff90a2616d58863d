#include "app/qtmessages.h"
#include "app/version.h"
#include "form/globals.h"
#include "form/mainform.h"
#include "form/program.h"
#include "platform/filesystem.h"
#include "platform/profilefile.h"
#include "platform/qtprinter.h"
#include "platform/screen.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    // The program folder is the executable's folder, as the settings and order files expect.
    FileSystem files(QCoreApplication::applicationDirPath());
    ProfileFile profile(files);
    QtPrinterSystem printers(files);
    QtMessages messages;
    GuiScreen screen;
    Workstation ws{files, profile, printers, messages, screen};
    MainForm form;
    Globals globals;
    Program program{ws, form, globals};

    QWidget window;
    window.setWindowTitle(form.caption + QStringLiteral(" [Versão: %1.%2.%3]")
                                             .arg(kVersionMajor)
                                             .arg(kVersionMinor)
                                             .arg(kVersionRevision));
    window.resize(form.width / kTwipsPerPixel, form.height / kTwipsPerPixel);
    window.show();
    return application.exec();
}
