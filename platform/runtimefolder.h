#pragma once

#include <QString>

// Qt keeps per-user runtime files under XDG_RUNTIME_DIR. A session started without one (a console
// login, sudo, a container, CI) gets Qt's fallback folder and a warning on the terminal at every
// start. Call before the application object: where the variable is unset, the same fallback
// folder, <temp>/runtime-<user>, is made ours (mode 0700) and named, so Qt stays quiet. A folder
// there that another user owns, or others may open, is left alone and Qt says so as before.
// The folder named, or empty when the variable was set already or was left unset.
QString provideRuntimeFolder();
