#include "platform/besidethewindow.h"

#include <QCoreApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QList>
#include <QPointer>
#include <QTimer>
#include <QWindow>

namespace beside {

namespace {

bool isInput(QEvent::Type t)
{
    switch (t) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::InputMethod:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
    case QEvent::NativeGesture:
    case QEvent::ContextMenu:
        return true;
    default:
        return false;
    }
}

// Sits on the application while a wait or a run lasts: drops input during waits, and keeps the
// windows asked to close open until the run is over.
class Gate : public QObject {
public:
    int waits = 0;
    int runs = 0;
    bool dropping = false;

    void update()
    {
        QCoreApplication* app = QCoreApplication::instance();
        const bool wanted = app && (waits > 0 || runs > 0 || dropping);
        if (wanted && !installed_)
            app->installEventFilter(this);
        else if (!wanted && installed_ && app)
            app->removeEventFilter(this);
        installed_ = wanted;
        if (waits == 0 && runs == 0 && !closes_.isEmpty()) {
            // Queued: the window closes once the handler that ran the run has returned. A
            // window gets the very event it was kept from: asking it to close again would be
            // refused while a dialog of the program is modal over it.
            const QList<QPointer<QObject>> closes = std::exchange(closes_, {});
            for (const QPointer<QObject>& o : closes) {
                if (!o)
                    continue;
                if (qobject_cast<QWindow*>(o.data()))
                    QCoreApplication::postEvent(o.data(), new QCloseEvent);
                else
                    QMetaObject::invokeMethod(o, "close", Qt::QueuedConnection);
            }
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (isInput(e->type()))
            return waits > 0 || dropping;
        if (e->type() == QEvent::Close && (waits > 0 || runs > 0)) {
            // A message box of the run itself answers its own close.
            if (QGuiApplication::modalWindow() && waits == 0)
                return false;
            if (!closes_.contains(watched))
                closes_.append(QPointer<QObject>(watched));
            e->ignore();
            return true;
        }
        return false;
    }

private:
    bool installed_ = false;
    QList<QPointer<QObject>> closes_;
};

Gate& gate()
{
    static Gate* g = new Gate;  // lives as long as the program; never deleted after the application
    return *g;
}

}  // namespace

bool onWindowThread()
{
    const QCoreApplication* app = QCoreApplication::instance();
    return app && QThread::currentThread() == app->thread();
}

bool waitUntil(const std::function<bool()>& ready, std::chrono::milliseconds bound, std::chrono::milliseconds poll)
{
    if (ready())
        return true;
    const auto deadline = std::chrono::steady_clock::now() + bound;
    if (!onWindowThread()) {
        while (std::chrono::steady_clock::now() < deadline) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
            QThread::msleep(static_cast<unsigned long>(std::max<long long>(1, std::min(poll, left).count())));
            if (ready())
                return true;
        }
        return ready();
    }

    Gate& g = gate();
    ++g.waits;
    g.update();
    const bool gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
    if (gui)
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    bool done = false;
    {
        QEventLoop loop;
        QTimer tick;
        tick.setInterval(static_cast<int>(std::max<long long>(1, poll.count())));
        QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
            if (ready()) {
                done = true;
                loop.quit();
            } else if (std::chrono::steady_clock::now() >= deadline) {
                loop.quit();
            }
        });
        tick.start();
        loop.exec();
    }
    if (!done)
        done = ready();
    // What the operator did in the last moments of the wait goes too.
    QCoreApplication::processEvents();
    if (gui)
        QGuiApplication::restoreOverrideCursor();
    --g.waits;
    g.update();
    return done;
}

void dropPendingInput()
{
    if (!onWindowThread())
        return;
    Gate& g = gate();
    g.dropping = true;
    g.update();
    QCoreApplication::processEvents();
    g.dropping = false;
    g.update();
}

Run::Run()
{
    if (inProgress())
        return;
    began_ = true;
    ++gate().runs;
    gate().update();
}

Run::~Run()
{
    if (!began_)
        return;
    --gate().runs;
    gate().update();
}

bool Run::inProgress()
{
    return gate().runs > 0;
}

}  // namespace beside
