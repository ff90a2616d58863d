#include "platform/filesystem.h"

#include "platform/codepage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString stripTrailingSeparator(QString s)
{
    while (s.size() > 1 && (s.endsWith(u'/') || s.endsWith(u'\\')))
        s.chop(1);
    return s;
}

// Beside the file it will replace, so the rename stays on one disk; the start of the program
// removes what a killed save left.
const QString kSaving = QStringLiteral(".gravando-");
constexpr int kSuffixLength = 6;

QString randomSuffix()
{
    static const char kChars[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QString s;
    for (int i = 0; i < kSuffixLength; ++i)
        s += QLatin1Char(kChars[QRandomGenerator::global()->bounded(int(sizeof kChars) - 1)]);
    return s;
}

bool isDrivePath(const QString& p)
{
    return p.size() >= 2 && p[1] == u':' && p[0].isLetter();
}

}  // namespace

FileSystem::FileSystem(QString programFolder, QString drivesFolder)
    : programFolder_(stripTrailingSeparator(QDir::cleanPath(programFolder))),
      drivesFolder_(drivesFolder.isEmpty() ? programFolder_ + QStringLiteral("/unidades")
                                           : stripTrailingSeparator(QDir::cleanPath(drivesFolder)))
{
}

QString FileSystem::join(const QString& folder, const QString& name)
{
    if (folder.endsWith(u'/') || folder.endsWith(u'\\'))
        return folder + name;
    return folder + u'/' + name;
}

QString FileSystem::resolve(const QString& path) const
{
    QString p = path;
    p.replace(u'\\', u'/');
    if (isDrivePath(p)) {
        const QString drive = p.left(1).toLower();
        p = drivesFolder_ + u'/' + drive + u'/' + p.mid(2);
    } else if (!p.startsWith(u'/')) {
        p = programFolder_ + u'/' + p;
    }
    p = QDir::cleanPath(p);
    if (QFileInfo::exists(p))
        return p;

    // Walk the parts from the root, taking for each the entry of the same name or, failing
    // that, the first entry that differs only in letter case.
    const QStringList parts = p.split(u'/', Qt::SkipEmptyParts);
    QString current = QStringLiteral("/");
    bool walking = true;
    for (const QString& part : parts) {
        QString next = current == u'/' ? current + part : current + u'/' + part;
        if (walking && !QFileInfo::exists(next)) {
            const QStringList entries =
                QDir(current).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                        QDir::Name);
            bool found = false;
            for (const QString& e : entries)
                if (e.compare(part, Qt::CaseInsensitive) == 0) {
                    next = current == u'/' ? current + e : current + u'/' + e;
                    found = true;
                    break;
                }
            if (!found)
                walking = false;
        }
        current = next;
    }
    return current;
}

bool FileSystem::fileExists(const QString& path) const
{
    const QFileInfo info(resolve(path));
    return info.exists() && info.isFile();
}

bool FileSystem::folderExists(const QString& path) const
{
    const QFileInfo info(resolve(path));
    return info.exists() && info.isDir();
}

bool FileSystem::createFolder(const QString& path) const
{
    const QString real = resolve(path);
    if (QFileInfo(real).isDir())
        return true;
    // Like the workstation's MkDir: only the last part is made.
    return QDir().mkdir(real);
}

bool FileSystem::deleteFile(const QString& path) const
{
    const QString real = resolve(path);
    return QFileInfo(real).isFile() && QFile::remove(real);
}

bool FileSystem::matches(const QString& name, const QString& pattern)
{
    // Iterative wildcard match with backtracking over the last "*".
    int n = 0, p = 0, star = -1, mark = 0;
    const int nn = static_cast<int>(name.size()), pn = static_cast<int>(pattern.size());
    auto same = [](QChar a, QChar b) { return a == b || a.toUpper() == b.toUpper(); };
    while (n < nn) {
        if (p < pn && (pattern[p] == u'?' || (pattern[p] != u'*' && same(pattern[p], name[n])))) {
            ++n;
            ++p;
        } else if (p < pn && pattern[p] == u'*') {
            star = p++;
            mark = n;
        } else if (star >= 0) {
            p = star + 1;
            n = ++mark;
        } else {
            return false;
        }
    }
    while (p < pn && pattern[p] == u'*')
        ++p;
    return p == pn;
}

QStringList FileSystem::list(const QString& folder, const QString& pattern) const
{
    const QDir dir(resolve(folder));
    if (!dir.exists())
        return {};
    QStringList out;
    for (const QString& e : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
        if (matches(e, pattern))
            out << e;
    std::sort(out.begin(), out.end(), [](const QString& a, const QString& b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    return out;
}

std::optional<QByteArray> FileSystem::readBytes(const QString& path) const
{
    QFile f(resolve(path));
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    return f.readAll();
}

std::optional<QStringList> FileSystem::readLines(const QString& path) const
{
    const auto bytes = readBytes(path);
    if (!bytes)
        return std::nullopt;
    return splitLines(cp1252::decode(*bytes));
}

QStringList FileSystem::splitLines(const QString& text)
{
    QStringList lines;
    QString line;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            lines << line;
            line.clear();
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
        } else {
            line += c;
        }
    }
    if (!line.isEmpty())
        lines << line;
    return lines;
}

QString FileSystem::reasonOf(int errorNumber)
{
    switch (errorNumber) {
    case ENOSPC:
        return QStringLiteral("não há espaço livre no disco");
    case EDQUOT:
        return QStringLiteral("a cota de disco do usuário acabou");
    case EACCES:
    case EPERM:
        return QStringLiteral("permissão negada");
    case EROFS:
        return QStringLiteral("o disco só permite leitura");
    case ENOENT:
        return QStringLiteral("a pasta não existe");
    case ENOTDIR:
        return QStringLiteral("uma parte do caminho não é uma pasta");
    case EISDIR:
        return QStringLiteral("existe uma pasta com esse nome");
    case EIO:
        return QStringLiteral("erro de leitura ou gravação no disco");
    case EFBIG:
        return QStringLiteral("o arquivo ficaria grande demais");
    default:
        return QString::fromLocal8Bit(std::strerror(errorNumber));
    }
}

WriteResult FileSystem::writeBytes(const QString& path, const QByteArray& bytes) const
{
    QString target = resolve(path);
    const QFileInfo info(target);
    // A link is followed: the file it names is replaced and the link stays.
    if (info.isSymLink() && !info.canonicalFilePath().isEmpty())
        target = info.canonicalFilePath();
    auto failed = [&](int errorNumber) { return WriteResult{target, reasonOf(errorNumber)}; };
    if (QFileInfo(target).isDir())
        return failed(EISDIR);
    if (!QFileInfo(QFileInfo(target).path()).isDir())
        return failed(ENOENT);

    const QByteArray real = QFile::encodeName(target);
    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary = QFile::encodeName(target + kSaving + randomSuffix());
        fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return failed(errno);
    }
    if (fd < 0)
        return failed(EEXIST);
    auto abandon = [&](int errorNumber) {
        if (fd >= 0)
            ::close(fd);
        ::unlink(temporary.constData());
        return failed(errorNumber);
    };
    // The new file keeps the permissions of the one it replaces.
    struct stat old {};
    if (::stat(real.constData(), &old) == 0 && S_ISREG(old.st_mode))
        ::fchmod(fd, old.st_mode & 07777);

    qint64 done = 0;
    const qint64 size = bytes.size();
    while (done < size) {
        qint64 chunk = size - done;
        if (fault_) {
            if (done >= fault_->failAfterBytes) {
                if (fault_->onWrite)
                    fault_->onWrite(done);
                return abandon(fault_->errorNumber);
            }
            chunk = std::min(chunk, fault_->failAfterBytes - done);
        }
        const ssize_t n = ::write(fd, bytes.constData() + done, static_cast<size_t>(chunk));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return abandon(n < 0 ? errno : EIO);
        done += n;
    }
    // Every byte on the disk before the old file goes: a full disk may only tell at the flush.
    if (::fsync(fd) != 0)
        return abandon(errno);
    const int closed = ::close(fd);
    fd = -1;
    if (closed != 0)
        return abandon(errno);
    if (::rename(temporary.constData(), real.constData()) != 0)
        return abandon(errno);
    // The new name on the disk as well; the file is written whatever this answers.
    const int folder = ::open(QFile::encodeName(QFileInfo(target).path()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return {target, {}};
}

void FileSystem::removeSaveLeftovers(const QString& folder) const
{
    const QDir dir(resolve(folder));
    const QString pattern = u'*' + kSaving + QString(kSuffixLength, u'?');
    for (const QString& e : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
        if (matches(e, pattern))
            QFile::remove(dir.filePath(e));
}
