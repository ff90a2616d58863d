#pragma once

#include <QString>
#include <cstdint>

class QKeyEvent;

// The workstation's codes of a Qt key event.

// The virtual key code a key-down handler sees (13 Enter, 38 Up, 40 Down, letters and digits as
// their capitals), or 0 for a key without one here.
int16_t virtualKeyCode(const QKeyEvent& e);
// The shift state of a key-down handler: 1 Shift, 2 Ctrl, 4 Alt.
int16_t shiftState(const QKeyEvent& e);
// The character code a key-press handler sees: 13 Enter, 8 Backspace, 27 Escape, 1 to 26 for Ctrl
// and a letter, else the typed character in Windows-1252 ("?" where the code page has none);
// 0 when the key types no character.
int16_t characterCode(const QKeyEvent& e);
// The text a character code types.
QString characterText(int16_t code);
