#include "platform/filesystem.h"

#include "platform/codepage.h"
#include "platform/filelocks.h"

#include <QDir>
#include <QFile>
#include <QList>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

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

// Where the bytes of a name that is not UTF-8 are kept: U+DC80..U+DCFF, lone low surrogates,
// which no UTF-8 name decodes to.
constexpr char16_t kRawByte = 0xDC00;

bool isDrivePath(const QString& p)
{
    return p.size() >= 2 && p[1] == u':' && p[0].isLetter();
}

// Calls take(raw name, type) for every entry of a folder but "." and "..", names only, in the
// order the system gives them; no file information is read. False when the folder cannot be read.
template <class Take>
bool forEachEntry(const QString& folder, Take take)
{
    DIR* dir = ::opendir(FileSystem::encodeName(folder).constData());
    if (!dir)
        return false;
    while (const dirent* e = ::readdir(dir)) {
        const char* n = e->d_name;
        if (n[0] == '.' && (n[1] == 0 || (n[1] == '.' && n[2] == 0)))
            continue;
        take(n, e->d_type);
    }
    ::closedir(dir);
    return true;
}

// The length of a name when it is plain ASCII, else -1.
int asciiLength(const char* name)
{
    int n = 0;
    for (; name[n]; ++n)
        if (static_cast<unsigned char>(name[n]) >= 128)
            return -1;
    return n;
}

// Every character beside the one it folds to, sorted by that: the characters QString::compare
// takes as equal when letter case is ignored stand together. Built once from Qt's own folding, so
// both always agree; 256 KiB.
const std::vector<std::pair<char16_t, char16_t>>& caseClasses()
{
    static const std::vector<std::pair<char16_t, char16_t>> classes = [] {
        std::vector<std::pair<char16_t, char16_t>> c;
        c.reserve(0x10000);
        for (uint u = 0; u <= 0xFFFF; ++u)
            if (!QChar::isSurrogate(u))
                c.emplace_back(QChar(char16_t(u)).toCaseFolded().unicode(), char16_t(u));
        std::sort(c.begin(), c.end());
        return c;
    }();
    return classes;
}

// Beyond this many spellings a folder is listed instead of asked name by name.
constexpr int kFewSpellings = 256;

QList<char16_t> spellingsOf(QChar c)
{
    if (c.isSurrogate() || c == QChar::ReplacementCharacter)
        return {c.unicode()};
    const auto& all = caseClasses();
    const char16_t folded = c.toCaseFolded().unicode();
    const auto from = std::lower_bound(all.begin(), all.end(), std::pair<char16_t, char16_t>(folded, 0));
    QList<char16_t> out;
    for (auto it = from; it != all.end() && it->first == folded; ++it)
        out.append(it->second);
    return out;
}

// Whether a name has so few spellings in other letter cases that asking the folder for each is
// cheaper than listing it. A name holding what no file name can be written as is listed.
bool spellingsAreFew(const QString& part)
{
    qint64 count = 1;
    for (const QChar c : part) {
        if (c.isSurrogate() || c == QChar::ReplacementCharacter)
            return false;
        count *= spellingsOf(c).size();
        if (count > kFewSpellings)
            return false;
    }
    return true;
}

// The entry of a folder that equals part when letter case is ignored, the first in name order,
// found by asking for every spelling in turn; null when none is there or there are too many
// spellings to ask for.
QString firstSpellingByName(const QString& folder, const QString& part)
{
    if (!spellingsAreFew(part))
        return {};
    QList<QList<char16_t>> choices;
    for (const QChar c : part)
        choices.append(spellingsOf(c));
    QList<qsizetype> at(part.size(), 0);
    QString found;
    const QString prefix = folder == u'/' ? folder : folder + u'/';
    for (;;) {
        QString spelling(part.size(), Qt::Uninitialized);
        for (qsizetype i = 0; i < part.size(); ++i)
            spelling[i] = QChar(choices[i][at[i]]);
        struct stat st;
        // lstat: a link counts as the entry it is, as in a listing, whatever it points to.
        if (::lstat(FileSystem::encodeName(prefix + spelling).constData(), &st) == 0 && (found.isNull() || spelling < found))
            found = spelling;
        qsizetype i = 0;
        for (; i < part.size(); ++i) {
            if (++at[i] < choices[i].size())
                break;
            at[i] = 0;
        }
        if (i == part.size())
            return found;
    }
}

// Whether an entry lists as a file: anything but a folder or a link to one (a broken link, a
// device or a pipe does), as the workstation's file listing shows with hidden and system files.
bool listsAsFile(const QString& folder, const char* name, unsigned char type)
{
    if (type == DT_DIR)
        return false;
    if (type != DT_LNK && type != DT_UNKNOWN)
        return true;
    struct stat st;
    const QByteArray path = FileSystem::encodeName(folder) + '/' + name;
    if (::stat(path.constData(), &st) == 0)
        return !S_ISDIR(st.st_mode);
    return type == DT_LNK || ::lstat(path.constData(), &st) == 0;
}

bool byName(const QString& a, const QString& b)
{
    const int c = a.compare(b, Qt::CaseInsensitive);
    return c != 0 ? c < 0 : a < b;
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
    // The exact name first: it is what nearly every call names.
    if (isThere(p))
        return p;

    // The longest part that exists as written needs no search; from there on, each part is
    // the entry of that name or, failing that, the first in name order that differs from it only
    // in letter case: asked for by each of its spellings when they are few (a folder of
    // thousands of orders need not be listed to learn that it holds no "imagens"), else found in
    // one listing of the folder, names only.
    const QStringList parts = p.split(u'/', Qt::SkipEmptyParts);
    qsizetype known = parts.size() - 1;
    QString current;
    for (; known > 0; --known) {
        current = u'/' + parts.mid(0, known).join(u'/');
        if (isThere(current))
            break;
    }
    if (known == 0)
        current = QStringLiteral("/");
    bool walking = true;
    for (qsizetype i = known; i < parts.size(); ++i) {
        const QString& part = parts[i];
        QString next = current == u'/' ? current + part : current + u'/' + part;
        if (walking && !isThere(next)) {
            QString found = firstSpellingByName(current, part);
            if (found.isNull() && !spellingsAreFew(part))
                forEachEntry(current, [&](const char* name, unsigned char) {
                    // An ASCII name of another length cannot be the part in any case.
                    const int ascii = asciiLength(name);
                    if (ascii >= 0 && ascii != part.size())
                        return;
                    const QString e = decodeName(name);
                    if (e.compare(part, Qt::CaseInsensitive) == 0 && (found.isNull() || e < found))
                        found = e;
                });
            if (found.isNull())
                walking = false;
            else
                next = current == u'/' ? current + found : current + u'/' + found;
        }
        current = next;
    }
    return current;
}

bool FileSystem::fileExists(const QString& path) const { return isFile(resolve(path)); }

bool FileSystem::folderExists(const QString& path) const { return isFolder(resolve(path)); }

bool FileSystem::createFolder(const QString& path) const
{
    const QString real = resolve(path);
    if (isFolder(real))
        return true;
    // Like the workstation's MkDir: only the last part is made.
    return ::mkdir(encodeName(real).constData(), 0777) == 0;
}

bool FileSystem::deleteFile(const QString& path) const
{
    const QString real = resolve(path);
    return isFile(real) && ::unlink(encodeName(real).constData()) == 0;
}

bool FileSystem::isThere(const QString& realPath)
{
    struct stat st;
    return ::stat(encodeName(realPath).constData(), &st) == 0;
}

bool FileSystem::isFile(const QString& realPath)
{
    struct stat st;
    return ::stat(encodeName(realPath).constData(), &st) == 0 && S_ISREG(st.st_mode);
}

bool FileSystem::isFolder(const QString& realPath)
{
    struct stat st;
    return ::stat(encodeName(realPath).constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

QString FileSystem::folderOf(const QString& realPath)
{
    const qsizetype slash = realPath.lastIndexOf(u'/');
    if (slash < 0)
        return QStringLiteral(".");
    return slash == 0 ? QStringLiteral("/") : realPath.left(slash);
}

namespace {

bool madeOrThere(const QByteArray& path)
{
    struct stat st;
    return ::mkdir(path.constData(), 0777) == 0 ||
           (errno == EEXIST && ::stat(path.constData(), &st) == 0 && S_ISDIR(st.st_mode));
}

bool makeFoldersOf(const QByteArray& path)
{
    if (madeOrThere(path))
        return true;
    // The raw bytes of a name are all above ASCII, so a "/" always separates folders.
    const qsizetype slash = path.lastIndexOf('/');
    if (errno != ENOENT || slash <= 0 || !makeFoldersOf(path.left(slash)))
        return false;
    return madeOrThere(path);
}

}  // namespace

bool FileSystem::makeFolders(const QString& realPath)
{
    return makeFoldersOf(encodeName(stripTrailingSeparator(QDir::cleanPath(realPath))));
}

namespace {

inline bool sameLetter(char16_t x, char16_t y)
{
    if (x == y)
        return true;
    if (x < 128 && y < 128)  // most names are plain ASCII: no table lookup for them
        return (x ^ y) == 0x20 && (x | 0x20) >= u'a' && (x | 0x20) <= u'z';
    return QChar(x).toUpper() == QChar(y).toUpper();
}

// Iterative wildcard match with backtracking over the last "*"; the name's characters are read
// as UTF-16 units or as plain ASCII bytes.
template <class Char>
bool matchesWildcards(const Char* name, int nn, const QString& pattern)
{
    int n = 0, p = 0, star = -1, mark = 0;
    const int pn = static_cast<int>(pattern.size());
    while (n < nn) {
        if (p < pn && (pattern[p] == u'?' || (pattern[p] != u'*' && sameLetter(pattern[p].unicode(), char16_t(name[n]))))) {
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

}  // namespace

bool FileSystem::matches(const QString& name, const QString& pattern)
{
    return matchesWildcards(name.utf16(), static_cast<int>(name.size()), pattern);
}

QString FileSystem::decodeName(const QByteArray& raw)
{
    QString text = QString::fromUtf8(raw);
    // What UTF-8 cannot read (or reads into other bytes) is kept byte for byte.
    if (text.toUtf8() == raw)
        return text;
    text.clear();
    text.reserve(raw.size());
    for (const char c : raw) {
        const auto b = static_cast<unsigned char>(c);
        text += b < 0x80 ? QChar(b) : QChar(char16_t(kRawByte + b));
    }
    return text;
}

QByteArray FileSystem::encodeName(const QString& name)
{
    QByteArray out;
    qsizetype from = 0;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t u = name[i].unicode();
        if (u < kRawByte + 0x80 || u > kRawByte + 0xFF || (i > 0 && name[i - 1].isHighSurrogate()))
            continue;
        out += name.sliced(from, i - from).toUtf8();
        out += static_cast<char>(u - kRawByte);
        from = i + 1;
    }
    if (from == 0)
        return name.toUtf8();
    return out + name.sliced(from).toUtf8();
}

QString FileSystem::nameText(const QString& name)
{
    const bool raw = std::any_of(name.begin(), name.end(), [](QChar c) {
        return c.unicode() >= kRawByte + 0x80 && c.unicode() <= kRawByte + 0xFF;
    });
    return raw ? cp1252::decode(encodeName(name)) : name;
}

QStringList FileSystem::list(const QString& folder, const QString& pattern) const
{
    // Names are matched as they are read; only the few that match are looked at further.
    const QString real = resolve(folder);
    struct Listed {
        QString text, name;
    };
    std::vector<Listed> found;
    forEachEntry(real, [&](const char* name, unsigned char type) {
        // A plain ASCII name is matched as it is read; only the others are decoded first.
        const int ascii = asciiLength(name);
        if (ascii >= 0) {
            if (matchesWildcards(name, ascii, pattern) && listsAsFile(real, name, type)) {
                const QString text = QString::fromLatin1(name, ascii);
                found.push_back({text, text});
            }
            return;
        }
        const QString entry = decodeName(name);
        const QString text = nameText(entry);
        if (matches(text, pattern) && listsAsFile(real, name, type))
            found.push_back({text, entry});
    });
    std::sort(found.begin(), found.end(), [](const Listed& a, const Listed& b) {
        return a.text != b.text ? byName(a.text, b.text) : a.name < b.name;
    });
    QStringList out;
    out.reserve(qsizetype(found.size()));
    for (Listed& l : found)
        out << std::move(l.name);
    return out;
}

namespace {

// whole: nothing either when a read fails part-way; otherwise what was read until then.
std::optional<QByteArray> readByName(const QString& realPath, bool whole)
{
    const int fd = ::open(FileSystem::encodeName(realPath).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat st;
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    std::optional<QByteArray> bytes;
    {
        QFile f;
        if (f.open(fd, QIODevice::ReadOnly, QFileDevice::DontCloseHandle)) {
            bytes = f.readAll();
            if (whole && f.error() != QFileDevice::NoError)
                bytes.reset();
        }
    }
    ::close(fd);
    return bytes;
}

}  // namespace

std::optional<QByteArray> FileSystem::readBytes(const QString& path) const { return readByName(resolve(path), false); }

std::optional<QByteArray> FileSystem::readFile(const QString& realPath) { return readByName(realPath, true); }

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
    forEachLine(text, [&](QStringView line) {
        lines << line.toString();
        return true;
    });
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

int FileSystem::writeAll(int fd, const char* data, qint64 size)
{
    qint64 done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, data + done, static_cast<size_t>(size - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n < 0 ? errno : EIO;
        done += n;
    }
    return 0;
}

WriteResult FileSystem::writeBytes(const QString& path, const QByteArray& bytes) const
{
    QString target = resolve(path);
    // A link is followed: the file it names is replaced and the link stays.
    struct stat link {};
    if (::lstat(encodeName(target).constData(), &link) == 0 && S_ISLNK(link.st_mode))
        if (char* canonical = ::realpath(encodeName(target).constData(), nullptr)) {
            target = decodeName(canonical);
            ::free(canonical);
        }
    auto failed = [&](int errorNumber) { return WriteResult{target, reasonOf(errorNumber)}; };
    if (isFolder(target))
        return failed(EISDIR);
    if (!isFolder(folderOf(target)))
        return failed(ENOENT);

    const QByteArray real = encodeName(target);
    QByteArray temporary;
    // Marked as a running save until renamed, so that a start of another copy of the program
    // sharing the folder does not take it for a leftover.
    FileInWriting file;
    int created = EEXIST;
    for (int attempt = 0; created == EEXIST && attempt < 100; ++attempt) {
        temporary = encodeName(target + kSaving + randomSuffix());
        created = file.create(temporary, 0666);
    }
    if (created != 0)
        return failed(created);
    const int fd = file.fd();
    auto abandon = [&](int errorNumber) {
        file.release();
        ::unlink(temporary.constData());
        return failed(errorNumber);
    };
    // The new file keeps the permissions of the one it replaces.
    struct stat old {};
    if (::stat(real.constData(), &old) == 0 && S_ISREG(old.st_mode))
        ::fchmod(fd, old.st_mode & 07777);

    const qint64 size = bytes.size();
    const qint64 allowed = fault_ ? std::clamp<qint64>(fault_->failAfterBytes, 0, size) : size;
    if (const int error = writeAll(fd, bytes.constData(), allowed))
        return abandon(error);
    if (allowed < size) {
        if (fault_->onWrite)
            fault_->onWrite(allowed);
        if (fault_->errorNumber != 0)
            return abandon(fault_->errorNumber);
        if (const int error = writeAll(fd, bytes.constData() + allowed, size - allowed))
            return abandon(error);
    }
    // Every byte on the disk before the old file goes: a full disk may only tell at the flush.
    if (::fsync(fd) != 0)
        return abandon(errno);
    if (const int error = file.close())
        return abandon(error);
    if (::rename(temporary.constData(), real.constData()) != 0) {
        const int error = errno;
        // The folder is there: what went is the new file, removed by someone else meanwhile.
        if (error == ENOENT && isFolder(folderOf(target))) {
            abandon(error);
            return WriteResult{target, QStringLiteral("o arquivo temporário da gravação foi apagado por outro programa")};
        }
        return abandon(error);
    }
    file.release();
    // The new name on the disk as well; the file is written whatever this answers.
    const int folder = ::open(encodeName(folderOf(target)).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return {target, {}};
}

void FileSystem::removeSaveLeftovers(const QString& folder) const
{
    removeUnheldFiles(resolve(folder), u'*' + kSaving + QString(kSuffixLength, u'?'));
}
