#pragma once

#include "form/program.h"

#include <QImage>
#include <functional>

// The main window's client area as the screen shows it, in device pixels.
using WindowImage = std::function<QImage()>;

// Copies the block of the window that Label17 ("Início da Promoção") covers into a picture of
// its size, puts the picture on the clipboard and saves it as "c:\ean.BMP". A step that fails
// (no clipboard service, the file not written) raises, and the steps before it stay done.
void monta_codigo(Program& p, const WindowImage& janela);
