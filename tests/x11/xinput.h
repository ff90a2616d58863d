#pragma once

#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

// Real input and the window manager's view of the display, through the X tools.

// The X window id of a top-level widget as the tools print it.
quint64 xid(const QWidget* w);
// The window ids a line of xprop names.
QList<quint64> windowIds(const QString& xpropLine);
// The window the manager made active.
quint64 activeX();

// Runs xdotool and fails the test when it fails.
void xdotool(const QStringList& arguments);
// A real click of the first mouse button at a point of a widget, or at its centre.
void clickAt(const QWidget* w, QPoint local);
void click(const QWidget* w);
// Real key events, to the window that has the keyboard ("Return", "alt+i").
void key(const QString& name);
void typeText(const QString& text);

// Lets the keys and the manager's answers arrive.
bool waitFor(const std::function<bool()>& done, int ms = 5000);

// Whether the window is the active one, for Qt and for the manager alike.
bool isActive(const QWidget* w);
// Asks for the window to be made active until it is, as a busy display may let a request go by;
// false when it is not within 15 s.
bool activate(QWidget* w);
