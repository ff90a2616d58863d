// Waiting beside the window: the window's events go on, the operator's input is dropped rather
// than kept for later, a window closed meanwhile closes once the run is over, and runs never nest.
#include "platform/besidethewindow.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

// A window that counts the input it is given.
struct CountingWindow : QWindow {
    int keys = 0, clicks = 0;
    void keyPressEvent(QKeyEvent*) override { ++keys; }
    void mousePressEvent(QMouseEvent*) override { ++clicks; }
};

void postClickAndKey(QWindow& w)
{
    const QPointF at(5, 5);
    QCoreApplication::postEvent(&w, new QMouseEvent(QEvent::MouseButtonPress, at, w.mapToGlobal(at), Qt::LeftButton,
                                                    Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(&w, new QKeyEvent(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" ")));
}

}  // namespace

TEST(BesideTheWindow, InputMadeDuringAWaitIsDroppedAndTheEventsGoOn)
{
    CountingWindow w;
    w.resize(100, 100);
    w.show();
    // The case shows the input reaches the window when nobody waits.
    postClickAndKey(w);
    QCoreApplication::processEvents();
    ASSERT_EQ(w.clicks, 1);
    ASSERT_EQ(w.keys, 1);

    int turns = 0;
    bool posted = false;
    QTimer ticks;
    QObject::connect(&ticks, &QTimer::timeout, [&] {
        ++turns;
        if (!posted) {
            postClickAndKey(w);
            posted = true;
        }
    });
    ticks.start(1);
    // Ready once the input was made and the window's events have gone on after it.
    EXPECT_TRUE(beside::waitUntil([&] { return posted && turns >= 3; }, 60s));
    ticks.stop();
    QCoreApplication::processEvents();
    EXPECT_EQ(w.clicks, 1) << "a click made during the wait was replayed after it";
    EXPECT_EQ(w.keys, 1) << "a key made during the wait was replayed after it";

    // After the wait the window takes input again.
    postClickAndKey(w);
    QCoreApplication::processEvents();
    EXPECT_EQ(w.clicks, 2);
    EXPECT_EQ(w.keys, 2);
}

TEST(BesideTheWindow, AWaitEndsAtItsBoundAndSaysSo)
{
    EXPECT_FALSE(beside::waitUntil([] { return false; }, 20ms));
    EXPECT_TRUE(beside::waitUntil([] { return true; }, 0ms));
    int asked = 0;
    EXPECT_TRUE(beside::waitUntil([&] { return ++asked == 3; }, 60s, 1ms));
}

TEST(BesideTheWindow, AWorkersResultComesBack)
{
    EXPECT_EQ(beside::onWorker([] { return 42; }), 42);
}

TEST(BesideTheWindow, AWindowClosedDuringARunClosesWhenTheRunEnds)
{
    QWindow w;
    w.resize(100, 100);
    w.show();
    ASSERT_TRUE(w.isVisible());
    {
        beside::Run run;
        ASSERT_TRUE(run.began());
        bool asked = false;
        QTimer::singleShot(0, [&] {
            w.close();
            asked = true;
        });
        ASSERT_TRUE(beside::waitUntil([&] { return asked; }, 60s));
        QCoreApplication::processEvents();
        EXPECT_TRUE(w.isVisible()) << "the window closed inside the run";
    }
    // The close comes once the handler that ran the run has returned to the event loop.
    QCoreApplication::processEvents();
    EXPECT_FALSE(w.isVisible());
}

TEST(BesideTheWindow, RunsNeverNest)
{
    EXPECT_FALSE(beside::Run::inProgress());
    {
        beside::Run first;
        EXPECT_TRUE(first.began());
        EXPECT_TRUE(beside::Run::inProgress());
        beside::Run second;
        EXPECT_FALSE(second.began());
    }
    EXPECT_FALSE(beside::Run::inProgress());
    beside::Run next;
    EXPECT_TRUE(next.began());
}
