#pragma once

#include "platform/keystrokes.h"

#include <cstdint>

// Keyboard helpers shared by the main window and the margin dialogs. Key codes are character
// codes (key press) or virtual key codes (key down).
namespace key {
constexpr int16_t CtrlA = 1;
constexpr int16_t Backspace = 8;
constexpr int16_t Enter = 13;
constexpr int16_t Up = 38;
constexpr int16_t Down = 40;
constexpr int16_t Comma = 44;
constexpr int16_t Minus = 45;
constexpr int16_t Point = 46;
}  // namespace key

// Enter and Down queue a Tab, Up a Shift+Tab; any other key does nothing. A failure to send is
// ignored, and so is a missing keystroke service.
void proximo(Keystrokes* keys, int16_t tecla);

// Digits, Backspace and Ctrl+A pass; any other key becomes 0.
int16_t Numero(int16_t tecla);
// The key's character in capitals; every key passes.
int16_t Mais(int16_t tecla);
// Digits, Backspace and "-" pass.
int16_t so_inteiro(int16_t tecla);
// Digits, Backspace, ",", "-" and "." pass; "." arrives as ",".
int16_t so_decimal(int16_t tecla);
