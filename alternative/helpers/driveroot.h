#pragma once

#include "platform/filesystem.h"

#include <QString>

// A drive's root always exists on the workstation; here it is a folder under the drives folder,
// made the first time a fixed drive path such as "C:\qmx.ini" is written.
void makeDriveRoot(const FileSystem& files, const QString& drivePath);
