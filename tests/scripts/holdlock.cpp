// Takes and holds a write lock on a file the way apt and dpkg lock theirs (fcntl), or waits until
// no one holds one, so the install step can be tried against a held package lock.
//   holdlock FILE SECONDS        lock FILE, say "locked", hold it for SECONDS, release
//   holdlock --wait FILE SECONDS wait up to SECONDS for FILE to be free; exit 0 when it is
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

bool heldByOther(int fd)
{
    struct flock fl {};
    fl.l_type = F_WRLCK;
    fl.l_whence = SEEK_SET;
    return fcntl(fd, F_GETLK, &fl) == 0 && fl.l_type != F_UNLCK;
}

}  // namespace

int main(int argc, char** argv)
{
    const bool wait = argc == 4 && std::strcmp(argv[1], "--wait") == 0;
    if (argc != 3 && !wait) {
        std::fprintf(stderr, "usage: holdlock [--wait] FILE SECONDS\n");
        return 2;
    }
    const char* file = argv[wait ? 2 : 1];
    const int seconds = std::atoi(argv[wait ? 3 : 2]);
    const int fd = open(file, O_RDWR | O_CREAT, 0640);
    if (fd < 0) {
        std::perror(file);
        return 1;
    }
    if (wait) {
        for (int tenths = 0; tenths < seconds * 10; ++tenths) {
            if (!heldByOther(fd))
                return 0;
            usleep(100000);
        }
        return heldByOther(fd) ? 1 : 0;
    }
    struct flock fl {};
    fl.l_type = F_WRLCK;
    fl.l_whence = SEEK_SET;
    if (fcntl(fd, F_SETLK, &fl) != 0) {
        std::perror(file);
        return 1;
    }
    std::printf("locked\n");
    std::fflush(stdout);
    sleep(static_cast<unsigned>(seconds));
    return 0;
}
