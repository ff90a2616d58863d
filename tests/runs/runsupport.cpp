#include "tests/runs/runsupport.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QAbstractNativeEventFilter>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <signal.h>
#include <xcb/xcb.h>

namespace {

char processState(pid_t pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray s = stat.readAll();
    const auto close = s.lastIndexOf(')');
    return close > 0 && close + 2 < s.size() ? s.at(close + 2) : 0;
}

std::atomic<int> presses{0};

struct PressFilter : QAbstractNativeEventFilter {
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override
    {
        if (type != "xcb_generic_event_t")
            return false;
        const auto* e = static_cast<const xcb_generic_event_t*>(message);
        const uint8_t t = e->response_type & 0x7f;
        if (t == XCB_KEY_PRESS || t == XCB_BUTTON_PRESS) {
            ++presses;
        } else if (t == XCB_GE_GENERIC) {
            // XInput 2: 2 is a key press, 4 a button press.
            const auto* g = reinterpret_cast<const xcb_ge_generic_event_t*>(e);
            if (g->event_type == 2 || g->event_type == 4)
                ++presses;
        }
        return false;
    }
};

PressFilter pressFilter;

}  // namespace

StoppedServer::StoppedServer() : pid_(qEnvironmentVariableIntValue("ETIQUETAS_CUPSD_PID"))
{
    if (pid_ <= 0 || ::kill(pid_, SIGSTOP) != 0)
        return;
    for (int i = 0; i < 500 && processState(pid_) != 'T'; ++i)
        QThread::msleep(10);
    stopped_ = processState(pid_) == 'T';
}

void StoppedServer::resume()
{
    if (pid_ > 0)
        ::kill(pid_, SIGCONT);
    pid_ = 0;
}

XPresses::XPresses() { QCoreApplication::instance()->installNativeEventFilter(&pressFilter); }
XPresses::~XPresses() { QCoreApplication::instance()->removeNativeEventFilter(&pressFilter); }
int XPresses::count() const { return presses.load(); }

struct InputDuringRun::Worker : QThread {
    std::function<bool()> start;
    QList<QStringList> calls;
    int expected = 0;
    std::function<void()> release;
    std::atomic<bool>* readInTime = nullptr;

    void run() override
    {
        QElapsedTimer clock;
        clock.start();
        // Bounded only so that a broken test ends: the run starts on a real click.
        while (!start() && clock.elapsed() < 60000)
            QThread::msleep(5);
        const int before = presses.load();
        for (const QStringList& arguments : calls) {
            QProcess tool;
            tool.start(QStringLiteral("xdotool"), arguments);
            tool.waitForFinished(30000);
        }
        // A window's thread that reads its input during the run reads these at once; one that
        // keeps it for later does not read them at all, so the wait for it has to end somewhere
        // before the server's own time-out (5 s) lets the run fail.
        clock.restart();
        while (presses.load() - before < expected && clock.elapsed() < 3000)
            QThread::msleep(5);
        readInTime->store(presses.load() - before >= expected);
        release();
    }
};

InputDuringRun::InputDuringRun(std::function<bool()> start, QList<QStringList> xdotoolCalls, int expected,
                               std::function<void()> release)
    : worker_(new Worker)
{
    worker_->start = std::move(start);
    worker_->calls = std::move(xdotoolCalls);
    worker_->expected = expected;
    worker_->release = std::move(release);
    worker_->readInTime = &readInTime_;
    worker_->QThread::start();
}

InputDuringRun::~InputDuringRun()
{
    worker_->wait();
    delete worker_;
}
