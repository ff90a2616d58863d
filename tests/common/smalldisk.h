#pragma once

#include "platform/filesystem.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <string>
#include <sys/mount.h>
#include <unistd.h>

// A small disk under a program folder: a tmpfs mounted over the (empty) folder, which only root
// may do; elsewhere the file system's write seam stands in for it, and the test records which of
// the two ran. fill() leaves no room, so the next write fails as on a full disk (ENOSPC);
// readOnly() makes the disk refuse writes (EROFS). Unmounted when it goes.
class SmallDisk {
public:
    SmallDisk(const QString& folder, FileSystem& files, int kib = 256) : folder_(folder), files_(files)
    {
        const QByteArray options = "size=" + QByteArray::number(kib) + "k,mode=0755";
        if (::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, options.constData()) == 0)
            mounted_ = true;
        else
            why_ = std::strerror(errno);
        ::testing::Test::RecordProperty("disco", how());
        std::printf("[ disco    ] %s\n", how().c_str());
    }
    ~SmallDisk()
    {
        files_.setWriteFault(std::nullopt);
        if (mounted_)
            ::umount2(QFile::encodeName(folder_).constData(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool real() const { return mounted_; }
    std::string how() const
    {
        return mounted_ ? "tmpfs montado em " + folder_.toStdString()
                        : "sem tmpfs (" + why_ + "): falha simulada na escrita do FileSystem";
    }

    // Takes every free block of the disk.
    void fill()
    {
        if (!mounted_) {
            files_.setWriteFault(FileSystem::WriteFault{0, ENOSPC, {}});
            return;
        }
        const QByteArray path = QFile::encodeName(folder_ + QStringLiteral("/enchimento"));
        const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_APPEND, 0644);
        ASSERT_GE(fd, 0);
        const QByteArray block(4096, 'x');
        while (::write(fd, block.constData(), static_cast<size_t>(block.size())) > 0) {
        }
        // The last partial block as well.
        while (::write(fd, block.constData(), 1) > 0) {
        }
        ::close(fd);
    }

    void readOnly()
    {
        if (!mounted_) {
            files_.setWriteFault(FileSystem::WriteFault{0, EROFS, {}});
            return;
        }
        ASSERT_EQ(::mount("tmpfs", QFile::encodeName(folder_).constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr), 0)
            << std::strerror(errno);
    }

private:
    QString folder_;
    FileSystem& files_;
    bool mounted_ = false;
    std::string why_;
};
