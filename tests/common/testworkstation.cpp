#include "tests/common/testworkstation.h"

#include "platform/codepage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Qt cannot remove what it cannot spell (a name in Windows-1252): the contents go by their bytes.
void removeContents(const QByteArray& folder)
{
    DIR* dir = ::opendir(folder.constData());
    if (!dir)
        return;
    QList<QByteArray> names;
    while (const dirent* e = ::readdir(dir))
        if (std::strcmp(e->d_name, ".") != 0 && std::strcmp(e->d_name, "..") != 0)
            names << QByteArray(e->d_name);
    ::closedir(dir);
    for (const QByteArray& name : names) {
        const QByteArray path = folder + '/' + name;
        struct stat st;
        if (::lstat(path.constData(), &st) == 0 && S_ISDIR(st.st_mode)) {
            removeContents(path);
            ::rmdir(path.constData());
        } else {
            ::unlink(path.constData());
        }
    }
}

}  // namespace

TestWorkstation::TestWorkstation(const QStringList& printerNames, int defaultPrinter)
    : files(dir.path()),
      profile(files),
      printers(printerNames, defaultPrinter),
      ws{files, profile, printers, messages, screen}
{
}

TestWorkstation::~TestWorkstation() { removeContents(FileSystem::encodeName(dir.path())); }

void TestWorkstation::write(const QString& name, const QString& text) const { writeBytes(name, cp1252::encode(text)); }

void TestWorkstation::writeBytes(const QString& name, const QByteArray& bytes) const
{
    const QString p = path(name);
    QDir().mkpath(QFileInfo(p).path());
    QFile f(p);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

bool TestWorkstation::writeRawName(const QByteArray& name, const QByteArray& bytes) const
{
    const QByteArray p = QFile::encodeName(folder()) + '/' + name;
    const int fd = ::open(p.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    const bool written = ::write(fd, bytes.constData(), size_t(bytes.size())) == bytes.size();
    return ::close(fd) == 0 && written;
}

QByteArray TestWorkstation::readBytes(const QString& name) const
{
    QFile f(path(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool TestWorkstation::exists(const QString& name) const { return QFileInfo::exists(path(name)); }

QString sourceDir() { return QStringLiteral(ETIQUETAS_SOURCE_DIR); }
QString binaryDir() { return QStringLiteral(ETIQUETAS_BINARY_DIR); }

QString builtQrlumoJar() { return binaryDir() + QStringLiteral("/programa/qrlumo.jar"); }
