#pragma once

#include <QThread>
#include <chrono>
#include <functional>
#include <memory>

// The program's waits on something outside it (the print server, the QR generator, a lock that
// another copy holds) and its print runs. While the window's thread waits, the window keeps
// painting; the operator's input made meanwhile is dropped, never kept to be replayed when the
// wait ends; and a window closed meanwhile closes once the run (outside a run, the wait) is over.
// Every wait is bounded. Waits off the window's thread, or without an application, simply block.
namespace beside {

// Waits until ready() answers true or bound has passed; whether it did. ready is asked at once,
// then at least every poll, and once more when the bound has passed.
bool waitUntil(const std::function<bool()>& ready, std::chrono::milliseconds bound,
               std::chrono::milliseconds poll = std::chrono::milliseconds(5));

// Whether the calling thread is the window's (an application stands and runs its events there).
bool onWindowThread();

// Runs work on a thread of its own and waits for it as above; work bounds its own waits.
template <class Work>
auto onWorker(Work work) -> decltype(work())
{
    decltype(work()) result{};
    std::unique_ptr<QThread> worker(QThread::create([&] { result = work(); }));
    worker->start();
    while (!waitUntil([&] { return worker->isFinished(); }, std::chrono::hours(1))) {
    }
    worker->wait();
    return result;
}

// Throws away the input that has arrived and not been handled yet: what the operator did while
// the thread was busy drawing.
void dropPendingInput();

// One print run. Runs never nest: one begun while another lasts has not begun, and its owner does
// nothing. While a run lasts, windows asked to close stay open and close when it ends.
class Run {
public:
    Run();
    ~Run();
    Run(const Run&) = delete;
    Run& operator=(const Run&) = delete;

    bool began() const { return began_; }
    // Whether a run is in progress.
    static bool inProgress();

private:
    bool began_ = false;
};

}  // namespace beside
