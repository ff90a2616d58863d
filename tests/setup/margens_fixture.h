#pragma once

// The margin dialogs in their windows: the main window's state, the dialog host and the print
// command's hook, for the tests of the dialogs and of what typing does in their boxes.
#include "settings/settings.h"
#include "setup/margindialog.h"
#include "setup/setupdialogs.h"
#include "tests/setup/calibra_fixture.h"

#include <QLineEdit>
#include <QtTest/qtestsystem.h>

inline QStringList boxTexts(MarginDialog& d)
{
    QStringList out;
    for (MarginBox& b : d.boxes())
        out << b.box.text;
    return out;
}

inline QString margin(const TestWorkstation& tw, const QString& key)
{
    return readSetting(tw.ws, "MargemOcultaZebra", key.toStdString());
}

// A closed window is deleted once an event loop runs.
inline void settle() { QTest::qWait(20); }

struct Janelas : ::testing::Test, CalibraDesk {
    SetupDialogs dialogs{p};

    QLineEdit* edit(MarginDialogView* view, const char* name)
    {
        return view ? view->findChild<QLineEdit*>(QString::fromLatin1(name)) : nullptr;
    }
};
