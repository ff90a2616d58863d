#include "platform/filelocks.h"
#include "platform/filesystem.h"
#include "platform/picture.h"
#include "tests/common/testworkstation.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <algorithm>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// What a folder holds, as the bytes of its names.
QList<QByteArray> rawEntries(const QByteArray& folder)
{
    QList<QByteArray> out;
    if (DIR* dir = ::opendir(folder.constData())) {
        while (const dirent* e = ::readdir(dir))
            if (std::strcmp(e->d_name, ".") != 0 && std::strcmp(e->d_name, "..") != 0)
                out << QByteArray(e->d_name);
        ::closedir(dir);
    }
    std::sort(out.begin(), out.end());
    return out;
}

QByteArray rawRead(const QByteArray& path)
{
    QByteArray bytes;
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return "(não abre)";
    char buffer[256];
    for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;)
        bytes.append(buffer, n);
    ::close(fd);
    return bytes;
}

bool rawIsFolder(const QByteArray& path)
{
    struct stat st;
    return ::stat(path.constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

QByteArray pngBytes()
{
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(Qt::black);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

}  // namespace

// A name listed with bytes that are not UTF-8 (a file copied from a Windows share keeps its
// Windows-1252 name) is written, locked, read and deleted under those very bytes, as a UTF-8
// name is: every file call spells the name the way the listing did.
TEST(FileNamesTest, AListedNameIsWrittenLockedAndDeletedUnderItsOwnBytes)
{
    struct {
        const char* what;
        QByteArray stem;  // "Ç" as the folder holds it
    } rows[] = {
        /* 0 */ {"Windows-1252", "\xC7"},
        /* 1 UTF-8 */ {"UTF-8", "\xC3\x87"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        TestWorkstation t;
        const QByteArray root = FileSystem::encodeName(t.folder());
        const QByteArray file = "PEDIDO " + r.stem + ".txt";
        ASSERT_TRUE(t.writeRawName(file, "antigo"));
        const QStringList listed = t.files.list(t.folder(), QStringLiteral("PEDIDO*.txt"));
        ASSERT_EQ(listed.size(), 1);
        EXPECT_EQ(FileSystem::nameText(listed[0]), QStringLiteral("PEDIDO Ç.txt"));
        const QString path = FileSystem::join(t.folder(), listed[0]);
        EXPECT_EQ(t.files.readBytes(path), "antigo");

        // Written: the listed file takes the new bytes and no second name appears beside it.
        const WriteResult written = t.files.writeBytes(path, "novo");
        EXPECT_TRUE(written.ok()) << written.reason.toStdString();
        EXPECT_EQ(rawRead(root + '/' + file), "novo");
        EXPECT_EQ(rawEntries(root), QList<QByteArray>{file});

        // What a save of that file killed half-way left beside it goes at the next start.
        ASSERT_TRUE(t.writeRawName(file + ".gravando-abc123", "meio"));
        t.files.removeSaveLeftovers(t.folder());
        EXPECT_EQ(rawEntries(root), QList<QByteArray>{file});

        // A picture of such a name loads.
        const QByteArray picture = "logo " + r.stem + ".png";
        ASSERT_TRUE(t.writeRawName(picture, pngBytes()));
        const QString picturePath = t.files.resolve(FileSystem::decodeName("LOGO " + r.stem + ".PNG"));
        EXPECT_EQ(Picture::load(picturePath).image.size(), QSize(4, 3));
        EXPECT_EQ(Picture::loadWhole(picturePath).image.size(), QSize(4, 3));

        // Deleted: the listed file goes, the others stay.
        EXPECT_TRUE(t.files.deleteFile(path));
        EXPECT_EQ(rawEntries(root), QList<QByteArray>{picture});

        // A folder of such a name is made, locked and written in under that name.
        const QByteArray folderName = "Pasta " + r.stem;
        const QString folder = FileSystem::join(t.folder(), FileSystem::decodeName(folderName));
        EXPECT_TRUE(t.files.createFolder(folder));
        EXPECT_TRUE(rawIsFolder(root + '/' + folderName));
        EXPECT_EQ(rawEntries(root), (QList<QByteArray>{folderName, picture}));
        {
            const FolderLock lock(folder, std::chrono::milliseconds(0));
            EXPECT_EQ(lock.state(), FolderLock::State::Held);
            // Held on that very folder: another open of it by its bytes cannot take it.
            const int fd = ::open((root + '/' + folderName).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            EXPECT_GE(fd, 0);
            if (fd >= 0) {
                EXPECT_NE(::flock(fd, LOCK_EX | LOCK_NB), 0);
                ::close(fd);
            }
        }
        const QString ini = FileSystem::join(folder, QStringLiteral("Pendrova.ini"));
        const WriteResult saved = t.profile.write(ini, QStringLiteral("Impressora"), QStringLiteral("Porta"),
                                                  QStringLiteral("LPT1"));
        EXPECT_TRUE(saved.ok()) << saved.reason.toStdString();
        EXPECT_EQ(rawRead(root + '/' + folderName + "/Pendrova.ini"), "[Impressora]\r\nPorta=LPT1\r\n");
    }
}
