#pragma once

class QWidget;

// Keeps a dialog off the task bar. Windows leaves tool windows off it by itself; an X11 window
// manager is told through the window's state, set before the window is first shown. On other
// platforms this does nothing.
void keepOffTaskBar(QWidget* window);
