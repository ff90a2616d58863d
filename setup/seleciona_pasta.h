#pragma once

#include "platform/folderpicker.h"
#include "platform/workstation.h"

#include <QString>

// The folder browser over the owner window, opened at the folder inicio: the chosen folder, or ""
// when the operator cancels, the path cannot be had, or the workstation has no browser at all.
QString seleciona_pasta(Workstation& ws, FolderPicker::Owner hwnd, const QString& titulo, const QString& inicio);
