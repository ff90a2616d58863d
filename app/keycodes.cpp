#include "app/keycodes.h"

#include "platform/codepage.h"

#include <QKeyEvent>

int16_t virtualKeyCode(const QKeyEvent& e)
{
    const int k = e.key();
    if (k >= Qt::Key_A && k <= Qt::Key_Z)
        return static_cast<int16_t>('A' + (k - Qt::Key_A));
    if (k >= Qt::Key_0 && k <= Qt::Key_9)
        return static_cast<int16_t>((e.modifiers() & Qt::KeypadModifier ? 96 : '0') + (k - Qt::Key_0));
    if (k >= Qt::Key_F1 && k <= Qt::Key_F24)
        return static_cast<int16_t>(112 + (k - Qt::Key_F1));
    switch (k) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Space: return 32;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
    default: return 0;
    }
}

int16_t shiftState(const QKeyEvent& e)
{
    int16_t s = 0;
    if (e.modifiers() & Qt::ShiftModifier)
        s |= 1;
    if (e.modifiers() & Qt::ControlModifier)
        s |= 2;
    if (e.modifiers() & Qt::AltModifier)
        s |= 4;
    return s;
}

int16_t characterCode(const QKeyEvent& e)
{
    switch (e.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Escape: return 27;
    default: break;
    }
    const Qt::KeyboardModifiers m = e.modifiers();
    if ((m & Qt::ControlModifier) && !(m & Qt::AltModifier)) {
        if (e.key() >= Qt::Key_A && e.key() <= Qt::Key_Z)
            return static_cast<int16_t>(1 + (e.key() - Qt::Key_A));
        return 0;
    }
    const QString text = e.text();
    if (text.isEmpty())
        return 0;
    const QChar c = text.at(0);
    if (c.unicode() < 32 || c.unicode() == 127)
        return 0;
    return static_cast<int16_t>(static_cast<uint8_t>(cp1252::encode(QString(c)).at(0)));
}

QString characterText(int16_t code)
{
    if (code < 0 || code > 0xFF)
        return {};
    return cp1252::decode(QByteArray(1, static_cast<char>(code)));
}
