#pragma once

#include "form/globals.h"
#include "form/mainform.h"
#include "form/program.h"
#include "platform/codepage.h"
#include "platform/filesystem.h"
#include "platform/messages.h"
#include "platform/profilefile.h"
#include "platform/recordingprinter.h"
#include "platform/screen.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

// A program over a temporary folder that is also the orders folder.
struct OrdersBench {
    QTemporaryDir dir;
    FileSystem files{dir.path()};
    ProfileFile profile{files};
    RecordingPrinterSystem printers;
    ScriptedMessages messages;
    Screen screen;
    Workstation ws{files, profile, printers, messages, screen};
    MainForm form;
    Globals g;
    Program program{ws, form, g};

    OrdersBench() { form.lblpath.caption = files.programFolder(); }

    void write(const QString& name, const QStringList& lines) const
    {
        QFile f(files.programFolder() + u'/' + name);
        if (f.open(QIODevice::WriteOnly))
            f.write(cp1252::encode(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
    }
};

// A box-front line of 12 fields for one size of one item.
inline QString frenteLine(int item, int size)
{
    return QStringLiteral("2;PRETO;%2;REF;SAPATO MODELO %1;789912340%3;%4%5;23;A;PROMO;2;LOJA")
        .arg(item)
        .arg(size)
        .arg(item % 1000, 3, 10, QChar(u'0'))
        .arg(4000000 + item)
        .arg(size, 3, 10, QChar(u'0'));
}
