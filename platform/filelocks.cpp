#include "platform/filelocks.h"

#include "platform/besidethewindow.h"
#include "platform/filesystem.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int lockWaiting(int fd)
{
    int r;
    do
        r = ::flock(fd, LOCK_EX);
    while (r != 0 && errno == EINTR);
    return r;
}

bool sameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

}  // namespace

int FileInWriting::create(const QByteArray& path, int mode)
{
    release();
    for (int attempt = 0; attempt < 100; ++attempt) {
        const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd < 0)
            return errno;
        // A second descriptor of the same open file carries the mark past the close of the first.
        const int mark = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
        if (mark < 0) {
            const int error = errno;
            ::close(fd);
            ::unlink(path.constData());
            return error;
        }
        // Where the file system keeps no locks the file goes unmarked; cleaning then leaves it.
        (void)lockWaiting(mark);
        // A cleaner that saw the name before the mark may have removed the file meanwhile.
        struct stat st {};
        if (::fstat(mark, &st) == 0 && st.st_nlink == 0) {
            ::close(fd);
            ::close(mark);
            continue;
        }
        fd_ = fd;
        mark_ = mark;
        return 0;
    }
    return EEXIST;
}

int FileInWriting::close()
{
    if (fd_ < 0)
        return 0;
    const int r = ::close(fd_);
    fd_ = -1;
    return r == 0 ? 0 : errno;
}

void FileInWriting::release()
{
    if (fd_ >= 0)
        ::close(fd_);
    if (mark_ >= 0)
        ::close(mark_);
    fd_ = mark_ = -1;
}

void removeUnheldFiles(const QString& folder, const QString& pattern)
{
    // Each name is opened by the very bytes the folder holds, whatever Qt would spell them as.
    const QByteArray dirName = FileSystem::encodeName(folder);
    DIR* dir = ::opendir(dirName.constData());
    if (!dir)
        return;
    while (const dirent* e = ::readdir(dir)) {
        const QByteArray name(e->d_name);
        if (name == "." || name == "..")
            continue;
        if (!FileSystem::matches(FileSystem::nameText(FileSystem::decodeName(name)), pattern))
            continue;
        const QByteArray path = dirName + '/' + name;
        const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        // Held: a running write's. Without locks nothing can be told, so nothing is removed.
        struct stat opened {}, named {};
        if (::fstat(fd, &opened) == 0 && !S_ISDIR(opened.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
            ::lstat(path.constData(), &named) == 0 && sameFile(opened, named))
            ::unlink(path.constData());  // still the file that was found, not one renamed over it
        ::close(fd);
    }
    ::closedir(dir);
}

FolderLock::FolderLock(const QString& folder, std::chrono::milliseconds wait)
{
    fd_ = ::open(FileSystem::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd_ < 0)
        return;
    int error = EWOULDBLOCK;
    const auto taken = [&] {
        do
            error = ::flock(fd_, LOCK_EX | LOCK_NB) == 0 ? 0 : errno;
        while (error == EINTR);
        return error != EWOULDBLOCK;  // held, or a file system without such locks
    };
    // The other copy's save takes milliseconds; the window meanwhile waits as for any outside answer.
    beside::waitUntil(taken, wait, std::chrono::milliseconds(1));
    if (error == 0) {
        state_ = State::Held;
        return;
    }
    state_ = error == EWOULDBLOCK ? State::Busy : State::Unavailable;
    ::close(fd_);
    fd_ = -1;
}

FolderLock::~FolderLock()
{
    if (fd_ >= 0)
        ::close(fd_);
}
