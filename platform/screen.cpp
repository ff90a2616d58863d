#include "platform/screen.h"

#include <QCursor>
#include <QGuiApplication>

void GuiScreen::setPointer(Pointer p)
{
    if (p == Pointer::Hourglass && pointer() != Pointer::Hourglass)
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    else if (p == Pointer::Default && pointer() == Pointer::Hourglass)
        QGuiApplication::restoreOverrideCursor();
    Screen::setPointer(p);
}
