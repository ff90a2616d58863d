#include "alternative/helpers/driveroot.h"

#include <QDir>

void makeDriveRoot(const FileSystem& files, const QString& drivePath)
{
    if (drivePath.size() < 2 || drivePath.at(1) != u':')
        return;
    QDir().mkpath(files.resolve(drivePath.left(2) + u'\\'));
}
