#pragma once

#include <QByteArray>
#include <QString>
#include <chrono>

// Two copies of the program may share one program folder. These locks (flock: held by an open
// file, let go by the system when the process ends, however it ends) keep them from undoing each
// other's work.

// A new file written under a temporary name, marked as in use from its creation until it is
// renamed or removed, so that another process cleaning leftovers leaves it alone.
class FileInWriting {
public:
    FileInWriting() = default;
    ~FileInWriting() { release(); }
    FileInWriting(const FileInWriting&) = delete;
    FileInWriting& operator=(const FileInWriting&) = delete;

    // Creates the file, which must not exist yet, open for writing: 0, or the error number.
    int create(const QByteArray& path, int mode);
    // The descriptor to write through; -1 once closed.
    int fd() const { return fd_; }
    // Hands that descriptor over to the caller, who closes it; the mark stays until release().
    int takeFd()
    {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }
    // Closes that descriptor, answering 0 or the error number of the close; the mark stays until
    // release(), so it covers the rename that follows.
    int close();
    // Closes everything still open; the file, if still there, is no longer marked.
    void release();

private:
    int fd_ = -1;
    int mark_ = -1;
};

// Removes the files of a folder whose names match a pattern of "*" and "?" (letter case
// ignored) and that no running write holds: what a killed process left.
void removeUnheldFiles(const QString& folder, const QString& pattern);

// The lock of a folder, held by one process at a time while it reads a file there, changes it
// and renames the new file over it.
class FolderLock {
public:
    enum class State {
        Held,         // ours until this object goes
        Busy,         // another process kept it for the whole wait
        Unavailable,  // the file system keeps no such locks: nothing is held
    };
    FolderLock(const QString& folder, std::chrono::milliseconds wait);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    State state() const { return state_; }

private:
    int fd_ = -1;
    State state_ = State::Unavailable;
};
