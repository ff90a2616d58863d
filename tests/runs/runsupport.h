#pragma once

// What the run tests share: the private cupsd stopped by its process id, the presses the X server
// delivers to this process, and real input sent from a thread of its own while the window's
// thread is inside a run.

#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>
#include <sys/types.h>

// The private cupsd of with-cupsd.sh, stopped for as long as this lives (or until resumed).
class StoppedServer {
public:
    StoppedServer();
    ~StoppedServer() { resume(); }
    StoppedServer(const StoppedServer&) = delete;
    StoppedServer& operator=(const StoppedServer&) = delete;
    bool stopped() const { return stopped_; }
    void resume();

private:
    pid_t pid_;
    bool stopped_ = false;
};

// Counts the key and button presses the X server hands this process, as they are read, before
// Qt makes events of them: input a wait kept in the queue is not counted until it is read.
class XPresses {
public:
    XPresses();
    ~XPresses();
    int count() const;
};

// Runs xdotool with each argument list in turn on a thread of its own once start() answers
// true, then waits until the process has read as many presses as were sent (or until the
// window's thread plainly is not reading them: the input is then kept for later), and then
// calls release(). Joined on destruction.
class InputDuringRun {
public:
    InputDuringRun(std::function<bool()> start, QList<QStringList> xdotoolCalls, int presses,
                   std::function<void()> release);
    ~InputDuringRun();
    // Whether the presses were read while the run lasted.
    bool readInTime() const { return readInTime_; }

private:
    struct Worker;
    Worker* worker_;
    std::atomic<bool> readInTime_{false};
};
