#include "platform/runtimefolder.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

QString provideRuntimeFolder()
{
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return {};
    const uid_t uid = getuid();
    const passwd* user = getpwuid(uid);
    const QByteArray name = user && user->pw_name ? QByteArray(user->pw_name) : QByteArray::number(uid);
    // QDir::tempPath() follows TMPDIR, as Qt's own fallback does; Qt reads the variable back
    // through QFile::decodeName, so the name is spelled its way.
    const QByteArray folder = QFile::encodeName(QDir::tempPath()) + "/runtime-" + name;
    mkdir(folder.constData(), 0700);
    struct stat st {};
    if (lstat(folder.constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != uid || (st.st_mode & 0777) != 0700)
        return {};
    setenv("XDG_RUNTIME_DIR", folder.constData(), 1);
    return QFile::decodeName(folder);
}
