#pragma once

#include "platform/folderpicker.h"

// The folder browser of a running program: Qt's folder dialog, folders only, over the window
// whose handle it is given.
class QtFolderPicker : public FolderPicker {
public:
    QString browse(Owner owner, const QString& title, const QString& start) override;
};
