#pragma once

#include "app/events.h"
#include "app/frmpadrao.h"
#include "app/qtkeystrokes.h"
#include "tests/app/qtprint.h"
#include "tests/common/testworkstation.h"

#include <QApplication>
#include <QLineEdit>
#include <gtest/gtest.h>
#include <memory>

// The real main window over a temporary program folder, on the offscreen platform.
class WindowTest : public ::testing::Test {
protected:
    // A workstation of its own before start(), for tests that need other printers.
    void usePrinters(const QStringList& names, int defaultIndex);
    // Builds the window, runs start-up through it, shows it and waits until it is active.
    void start();
    // The window's widget of that name (for the size cells: the cell of that index).
    template <class W>
    W* child(const QString& name, int index = -1) const
    {
        const auto found = window->findChildren<W*>(name);
        for (W* w : found)
            if (index < 0 || w->property("Index").toInt() == index)
                return w;
        return nullptr;
    }
    QWidget* focus() const { return QApplication::focusWidget(); }
    QString focusName() const { return focus() ? focus()->objectName() : QString(); }
    // A key typed on the field that has the focus, then the queued moves let through.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void type(const QString& text);
    // Runs what is queued.
    static void settle();
    // Puts the focus on a widget as a click would.
    void focusOn(QWidget* w);

    std::unique_ptr<TestWorkstation> t = std::make_unique<TestWorkstation>();
    QtKeystrokes keys;
    MainWindowEvents events;
    std::unique_ptr<FrmPadrao> window;
};
