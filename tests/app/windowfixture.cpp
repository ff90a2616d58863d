#include "tests/app/windowfixture.h"

#include "settings/printers.h"

#include <QtTest/qtestkeyboard.h>

void WindowTest::usePrinters(const QStringList& names, int defaultIndex)
{
    t = std::make_unique<TestWorkstation>(names, defaultIndex);
}

void WindowTest::start()
{
    for (int i = 0; i < t->printers.count(); ++i)
        t->printers.printer(i).setFonts({kLabelFonts.begin(), kLabelFonts.end()});
    t->ws.keystrokes = &keys;
    window = std::make_unique<FrmPadrao>(t->program, events);
    window->load();
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    settle();
}

void WindowTest::press(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QWidget* target = focus();
    ASSERT_NE(target, nullptr);
    QTest::keyClick(target, key, modifiers);
    settle();
}

void WindowTest::type(const QString& text)
{
    for (const QChar c : text) {
        QWidget* target = focus();
        ASSERT_NE(target, nullptr);
        const Qt::Key key = c.isLetter() ? static_cast<Qt::Key>(c.toUpper().unicode()) : static_cast<Qt::Key>(c.unicode());
        QTest::sendKeyEvent(QTest::Click, target, key, QString(c), Qt::NoModifier);
        settle();
    }
}

void WindowTest::settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

void WindowTest::focusOn(QWidget* w)
{
    w->setFocus(Qt::MouseFocusReason);
    settle();
}
