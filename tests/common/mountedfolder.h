#pragma once

#include <QString>

// A small file system of its own (tmpfs) over a folder, for one test: a disk that fills up or
// one that is read-only, for real. Mounting needs root, which this machine and CI have; where it
// is refused, ok() is false and reason() says why, so the test can say it did not run.
class MountedFolder {
public:
    // options as mount takes them, such as "size=64k" or "size=64k,ro".
    MountedFolder(const QString& folder, const QString& options);
    ~MountedFolder();
    MountedFolder(const MountedFolder&) = delete;
    MountedFolder& operator=(const MountedFolder&) = delete;

    bool ok() const { return mounted_; }
    const QString& reason() const { return reason_; }

private:
    QString folder_;
    bool mounted_ = false;
    QString reason_;
};
