#include "setup/seleciona_pasta.h"

#include "platform/errors.h"

QString seleciona_pasta(Workstation& ws, FolderPicker::Owner hwnd, const QString& titulo, const QString& inicio)
{
    if (!ws.folderPicker)
        return {};
    QString pasta;
    if (!tryStep([&] { pasta = ws.folderPicker->browse(hwnd, titulo, inicio); }))
        return {};
    return pasta;
}
