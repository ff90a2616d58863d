#pragma once

#include "form/globals.h"
#include "form/mainform.h"
#include "form/program.h"
#include "platform/filesystem.h"
#include "platform/messages.h"
#include "platform/profilefile.h"
#include "platform/recordingprinter.h"
#include "platform/screen.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A workstation over a fresh temporary program folder, with recording printers and scripted
// messages, and a main window and program variables to go with it.
struct TestWorkstation {
    explicit TestWorkstation(const QStringList& printerNames = {QStringLiteral("Gravador")}, int defaultPrinter = 0);
    // Removes what the tests wrote by its bytes, names Qt cannot spell included.
    ~TestWorkstation();

    QTemporaryDir dir;
    FileSystem files;
    ProfileFile profile;
    RecordingPrinterSystem printers;
    ScriptedMessages messages;
    Screen screen;
    Workstation ws;
    MainForm form;
    Globals g;
    Program program{ws, form, g};

    QString folder() const { return files.programFolder(); }
    QString path(const QString& name) const { return folder() + u'/' + name; }
    // Writes a file under the program folder; text goes out in Windows-1252.
    void write(const QString& name, const QString& text) const;
    void writeBytes(const QString& name, const QByteArray& bytes) const;
    // Writes a file in the program folder under a name given as the bytes the folder holds (one
    // that Qt's file names cannot spell, such as a name in Windows-1252); false when it failed.
    bool writeRawName(const QByteArray& name, const QByteArray& bytes) const;
    QByteArray readBytes(const QString& name) const;
    bool exists(const QString& name) const;
};

// The file printer's output and the other fixtures tests need.
QString sourceDir();
QString binaryDir();
// The QR generator the build placed in its program folder.
QString builtQrlumoJar();
