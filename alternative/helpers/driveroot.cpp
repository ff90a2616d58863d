#include "alternative/helpers/driveroot.h"

void makeDriveRoot(const FileSystem& files, const QString& drivePath)
{
    if (drivePath.size() < 2 || drivePath.at(1) != u':')
        return;
    FileSystem::makeFolders(files.resolve(drivePath.left(2) + u'\\'));
}
