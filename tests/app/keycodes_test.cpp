// The workstation's key codes of Qt key events.
#include "app/keycodes.h"
#include "tests/app/qtprint.h"

#include <QKeyEvent>
#include <gtest/gtest.h>

TEST(KeyCodesTest, KeyDownAndKeyPressCodesOfQtKeys)
{
    struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        QString text;
        int16_t keyDown, keyPress;
    } rows[] = {
        /*  0 */ {Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), 13, 13},
        /*  1 */ {Qt::Key_Enter, Qt::KeypadModifier, QStringLiteral("\r"), 13, 13},
        /*  2 */ {Qt::Key_Up, Qt::NoModifier, QString(), 38, 0},
        /*  3 */ {Qt::Key_Down, Qt::NoModifier, QString(), 40, 0},
        /*  4 */ {Qt::Key_Left, Qt::NoModifier, QString(), 37, 0},
        /*  5 */ {Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b"), 8, 8},
        /*  6 */ {Qt::Key_Delete, Qt::NoModifier, QStringLiteral("\x7f"), 46, 0},
        /*  7 */ {Qt::Key_A, Qt::NoModifier, QStringLiteral("a"), 'A', 'a'},
        /*  8 */ {Qt::Key_A, Qt::ShiftModifier, QStringLiteral("A"), 'A', 'A'},
        /*  9 */ {Qt::Key_A, Qt::ControlModifier, QStringLiteral("\x01"), 'A', 1},
        /* 10 */ {Qt::Key_V, Qt::ControlModifier, QStringLiteral("v"), 'V', 22},
        /* 11 */ {Qt::Key_5, Qt::NoModifier, QStringLiteral("5"), '5', '5'},
        /* 12 */ {Qt::Key_5, Qt::KeypadModifier, QStringLiteral("5"), 101, '5'},
        /* 13 */ {Qt::Key_Period, Qt::NoModifier, QStringLiteral("."), 0, '.'},
        /* 14 */ {Qt::Key_Ccedilla, Qt::NoModifier, QStringLiteral("ç"), 0, 0xE7},
        /* 15 */ {Qt::Key_unknown, Qt::NoModifier, QStringLiteral("€"), 0, 0x80},
        /* 16 */ {Qt::Key_unknown, Qt::NoModifier, QStringLiteral("ł"), 0, '?'},  // not in the code page
        /* 17 */ {Qt::Key_Shift, Qt::ShiftModifier, QString(), 16, 0},
        /* 18 */ {Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b"), 27, 27},
        /* 19 */ {Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), 32, ' '},
    };
    for (size_t i = 0; i < std::size(rows); ++i) {
        const auto& r = rows[i];
        const QKeyEvent e(QEvent::KeyPress, r.key, r.modifiers, r.text);
        EXPECT_EQ(virtualKeyCode(e), r.keyDown) << "row " << i;
        EXPECT_EQ(characterCode(e), r.keyPress) << "row " << i;
    }
    EXPECT_EQ(shiftState(QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::ShiftModifier | Qt::ControlModifier)), 3);
    EXPECT_EQ(characterText(0xC7), QStringLiteral("Ç"));
    EXPECT_EQ(characterText(0x8A), QStringLiteral("Š"));
    EXPECT_EQ(characterText(','), QStringLiteral(","));
}
