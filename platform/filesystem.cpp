#include "platform/filesystem.h"

#include "platform/codepage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

QString stripTrailingSeparator(QString s)
{
    while (s.size() > 1 && (s.endsWith(u'/') || s.endsWith(u'\\')))
        s.chop(1);
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

bool FileSystem::writeBytes(const QString& path, const QByteArray& bytes) const
{
    QSaveFile f(resolve(path));
    if (!f.open(QIODevice::WriteOnly))
        return false;
    if (f.write(bytes) != bytes.size()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}
