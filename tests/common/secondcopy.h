#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <sys/types.h>

// A second copy of the program (secondcopy_main.cpp) started by a test, read line by line and
// stopped by its process id. It goes when the object goes.
class SecondCopy {
public:
    explicit SecondCopy(const QStringList& arguments);
    ~SecondCopy();
    SecondCopy(const SecondCopy&) = delete;
    SecondCopy& operator=(const SecondCopy&) = delete;

    pid_t pid() const { return static_cast<pid_t>(process_.processId()); }
    // The next line it said; empty once it has ended without saying more (or stayed silent for a
    // minute, which only a hang does).
    QString nextLine();
    // A line on its input.
    void tell(const QByteArray& line);
    // Killed by its process id, as the operator's system would end it, and collected.
    void kill();
    // Waits for it to end: its exit code, or -1 when it did not end by itself.
    int exitCode();

private:
    QProcess process_;
};
