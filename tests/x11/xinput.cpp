#include "tests/x11/xinput.h"

#include "tests/x11/xsession.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QWidget>
#include <QtTest/qtestsystem.h>
#include <gtest/gtest.h>

quint64 xid(const QWidget* w) { return w ? static_cast<quint64>(w->winId()) : 0; }

QList<quint64> windowIds(const QString& xpropLine)
{
    QList<quint64> ids;
    static const QRegularExpression hex(QStringLiteral("0x[0-9a-fA-F]+"));
    for (auto it = hex.globalMatch(xpropLine); it.hasNext();)
        ids << it.next().captured().toULongLong(nullptr, 16);
    return ids;
}

quint64 activeX()
{
    const QList<quint64> ids = windowIds(runTool(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_ACTIVE_WINDOW")}));
    return ids.isEmpty() ? 0 : ids.first();
}

void xdotool(const QStringList& arguments)
{
    int code = -1;
    runTool(QStringLiteral("xdotool"), arguments, &code);
    ASSERT_EQ(code, 0) << qPrintable(arguments.join(u' '));
}

void clickAt(const QWidget* w, QPoint local)
{
    const QPoint p = w->mapToGlobal(local);
    xdotool({QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(p.x()), QString::number(p.y()),
             QStringLiteral("click"), QStringLiteral("1")});
}

void click(const QWidget* w) { clickAt(w, w->rect().center()); }

void key(const QString& name) { xdotool({QStringLiteral("key"), name}); }

void typeText(const QString& text) { xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("5"), text}); }

bool waitFor(const std::function<bool()>& done, int ms) { return QTest::qWaitFor(done, ms); }

bool isActive(const QWidget* w) { return QApplication::activeWindow() == w && activeX() == xid(w); }

bool activate(QWidget* w)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 15000) {
        w->raise();
        w->activateWindow();
        if (waitFor([w] { return isActive(w); }, 1000))
            return true;
    }
    return false;
}
