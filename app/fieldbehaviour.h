#pragma once

#include "app/events.h"
#include "form/program.h"

#include <cstdint>

// The field behaviour that belongs to the main window itself: highlight, the key filters
// of its fields, the key preview switch of its lists, the totals. The view calls these with the
// control an event happened to; the loaders' part of the same events runs through the hooks.

constexpr QRgb kHighlightColour = 0xFFFFC0;  // &HC0FFFF: red 255, green 255, blue 192
constexpr QRgb kPlainColour = 0xFFFFFF;

// Highlight, then the text selected as seleciona does.
void entra1(TextBox& obj);
// The plain colour again.
void sai1(TextBox& obj);

// The window's key-down handler, which sees every key first while key preview is on.
void Form_KeyDown(Program& p, int16_t keyCode, int16_t shift);

// The handlers of the window's controls: got focus, key press (the key may be changed, or set
// to 0 to drop it) and lost focus. Controls without a handler are left alone.
void controlGotFocus(Program& p, const MainWindowEvents& events, Control& c);
void controlKeyPress(Program& p, const MainWindowEvents& events, Control& c, int16_t& keyAscii);
void controlLostFocus(Program& p, const MainWindowEvents& events, Control& c);
