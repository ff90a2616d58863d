// Print runs in a real window: a second click and a key press made while a run waits for the
// print server or the QR generator, or while it draws, start no second run and print no second
// job, and made while an order load waits for the settings folder's lock, start no print; a
// window closed during a run closes when it has ended (run under ASan, a dialog freed mid-run
// shows); and at start-up with a print server that does not answer the window shows while it is
// waited for, and the operator is told once.
#include "app/frmpadrao.h"
#include "app/startup.h"
#include "app/wiring.h"
#include "labels/product/cmd_printacessorio.h"
#include "platform/printserver.h"
#include "platform/qtprinter.h"
#include "setup/setupdialogs.h"
#include "tests/cups/privateserver.h"
#include "tests/cups/queuejobs.h"
#include "tests/labels/print_fixture.h"
#include "tests/runs/runsupport.h"
#include "tests/x11/xinput.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QWindow>
#include <atomic>
#include <gtest/gtest.h>
#include <memory>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

bool besideCupsd() { return !qEnvironmentVariable("ETIQUETAS_CUPSD_PID").isEmpty(); }

// The print command of a window, counted: how many times it was entered, and whether one is on.
struct CountedPrint {
    std::atomic<int> entered{0};
    std::atomic<bool> running{false};

    void wrap(FrmPadrao& window)
    {
        MainWindowEvents::Handler inner = window.events().cmd_printacessorio_Click;
        window.events().cmd_printacessorio_Click = [this, inner](Program& p) {
            ++entered;
            running = true;
            inner(p);
            running = false;
        };
    }
};

// A main window with only the print command wired, counted, on show.
std::unique_ptr<FrmPadrao> shownPrintWindow(Program& program, CountedPrint& counted)
{
    auto window = std::make_unique<FrmPadrao>(program, MainWindowEvents{});
    window->events().cmd_printacessorio_Click = [](Program& p) { cmd_printacessorio_Click(p); };
    counted.wrap(*window);
    window->show();
    return window;
}

QStringList clickArguments(const QWidget* w)
{
    const QPoint p = w->mapToGlobal(w->rect().center());
    // No --sync: the pointer is already there after the first click, and xdotool would wait for
    // a move that never comes.
    return {QStringLiteral("mousemove"), QString::number(p.x()), QString::number(p.y()), QStringLiteral("click"),
            QStringLiteral("1")};
}

// Every event the X server sent before this has been read and handled: a marker key press is.
void settle(XPresses& presses)
{
    const int before = presses.count();
    key(QStringLiteral("shift"));
    ASSERT_TRUE(waitFor([&] { return presses.count() > before; }, 30000));
    QCoreApplication::processEvents();
}

// The first click starts the run; a second click and Alt+I follow while it waits; release lets
// the wait end. The number of runs entered.
int clickTwiceAndPressDuring(FrmPadrao& window, CountedPrint& counted, const std::function<void()>& release,
                             bool* readInTime)
{
    XPresses presses;
    auto* button = window.findChild<QPushButton*>(QStringLiteral("cmd_printacessorio"));
    EXPECT_TRUE(button && button->isVisible());
    if (!button)
        return -1;
    {
        InputDuringRun during([&] { return counted.running.load(); },
                              {clickArguments(button), {QStringLiteral("key"), QStringLiteral("alt+i")}}, 2, release);
        xdotool(clickArguments(button));
        EXPECT_TRUE(waitFor([&] { return counted.entered >= 1 && !counted.running; }, 120000));
        *readInTime = during.readInTime();
    }
    settle(presses);
    return counted.entered;
}

}  // namespace

TEST(RunsBesideTheWindow, InputDuringAStalledPrintServerStartsNoSecondRun)
{
    if (!besideCupsd())
        GTEST_SKIP() << "run beside with-cupsd.sh";
    // The queue first: the printer list is read when the printers are made.
    const QString queue = newQueue(QStringLiteral("Etiquetas_Duas"));
    TestWorkstation t;
    QtPrinterSystem printers(t.files);
    Workstation ws{t.files, t.profile, printers, t.messages, t.screen};
    Program program{ws, t.form, t.g};
    loadOrderForQueue(t, program, queue, QtPrinterSystem::kFilePrinterName);
    SetupDialogs dialogs(program);
    auto window = std::make_unique<FrmPadrao>(program, MainWindowEvents{});
    dialogs.setParent(window.get());
    window->events() = programEvents(dialogs);
    CountedPrint counted;
    counted.wrap(*window);
    window->show();
    ASSERT_TRUE(activate(window.get()));

    StoppedServer server;
    ASSERT_TRUE(server.stopped());
    bool readInTime = false;
    const int runs = clickTwiceAndPressDuring(*window, counted, [&] { server.resume(); }, &readInTime);
    EXPECT_TRUE(readInTime) << "the window's thread did not read its input while the run waited";
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(jobsOf(queue).size(), 1);
    EXPECT_EQ(t.messages.texts(), QStringList{});
    window.reset();
    admin(QStringLiteral("lpadmin"), {QStringLiteral("-x"), queue});
}

TEST(RunsBesideTheWindow, InputDuringASlowQrGeneratorStartsNoSecondRun)
{
    // The generator says it has started, then works until the test lets it finish.
    PrintDesk d(QStringLiteral("touch started\n"
                               "n=0; while [ ! -e release ] && [ $n -lt 1200 ]; do sleep 0.05; n=$((n+1)); done\n") +
                FakeJava::writesAll());
    d.cartonOrder();
    d.volumes(QStringLiteral("1"), QStringLiteral("1"));
    CountedPrint counted;
    auto window = shownPrintWindow(d.p, counted);
    ASSERT_TRUE(activate(window.get()));

    const QString started = d.tw.path(QStringLiteral("started")), release = d.tw.path(QStringLiteral("release"));
    bool readInTime = false;
    const int runs = clickTwiceAndPressDuring(*window, counted, [&] { QFile(release).open(QIODevice::WriteOnly); },
                                              &readInTime);
    EXPECT_TRUE(QFile::exists(started));
    EXPECT_TRUE(readInTime) << "the window's thread did not read its input while the generator ran";
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(d.chosen.documents().size(), 1u);
    EXPECT_EQ(d.java.calls().size(), 1);
    EXPECT_EQ(d.tw.messages.texts(), QStringList{});
}

TEST(RunsBesideTheWindow, InputWhileARunDrawsStartsNoSecondRun)
{
    // A run that never waits (a printer that takes its document at once): the window's thread
    // reads no input until the run ends, so the run's end is where that input has to go. What
    // the window system handed over meanwhile waits in the window's queue, as these do.
    PrintDesk d;
    d.twoSizes(PrintDesk::kFrente);
    CountedPrint counted;
    auto window = shownPrintWindow(d.p, counted);
    ASSERT_TRUE(activate(window.get()));
    auto* button = window->findChild<QPushButton*>(QStringLiteral("cmd_printacessorio"));
    ASSERT_TRUE(button && button->isVisible());

    bool queued = false;
    // Inside the drawing of the first label: a second click on the button, and the space bar
    // on it (it has the focus after the first click).
    d.chosen.setFontRealiser([&](double points) {
        if (counted.running && !queued) {
            queued = true;
            QWindow* w = window->windowHandle();
            const QPointF at = button->mapTo(window.get(), QPointF(button->rect().center()));
            for (QEvent::Type t : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
                QCoreApplication::postEvent(w, new QMouseEvent(t, at, w->mapToGlobal(at), Qt::LeftButton,
                                                               t == QEvent::MouseButtonPress ? Qt::LeftButton
                                                                                             : Qt::NoButton,
                                                               Qt::NoModifier));
            for (QEvent::Type t : {QEvent::KeyPress, QEvent::KeyRelease})
                QCoreApplication::postEvent(w, new QKeyEvent(t, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" ")));
        }
        return points;
    });
    XPresses presses;
    xdotool(clickArguments(button));
    EXPECT_TRUE(waitFor([&] { return counted.entered >= 1 && !counted.running; }, 120000));
    settle(presses);
    EXPECT_TRUE(queued);
    EXPECT_TRUE(button->hasFocus());
    EXPECT_EQ(counted.entered, 1);
    EXPECT_EQ(d.chosen.documents().size(), 1u);
    EXPECT_EQ(d.tw.messages.texts(), QStringList{});
}

TEST(RunsBesideTheWindow, InputDuringAWaitForTheSettingsLockStartsNothing)
{
    // An order load remembers its number in the settings file, and waits for the folder's lock
    // while another program holds it.
    PrintDesk d;
    d.twoSizes(PrintDesk::kFrente);
    SetupDialogs dialogs(d.p);
    auto window = std::make_unique<FrmPadrao>(d.p, MainWindowEvents{});
    dialogs.setParent(window.get());
    window->events() = programEvents(dialogs);
    CountedPrint counted;
    counted.wrap(*window);
    std::atomic<bool> loading{false};
    std::atomic<int> loads{0};
    MainWindowEvents::KeyHandler typed = window->events().txtarquivo_KeyPress;
    window->events().txtarquivo_KeyPress = [&, typed](Program& p, int16_t& keyAscii) {
        const bool enter = keyAscii == 13;
        loading = enter;
        typed(p, keyAscii);
        if (enter)
            ++loads;
        loading = false;
    };
    window->show();
    ASSERT_TRUE(activate(window.get()));
    auto* pedido = window->findChild<QWidget*>(QStringLiteral("txtarquivo"));
    auto* button = window->findChild<QPushButton*>(QStringLiteral("cmd_printacessorio"));
    ASSERT_TRUE(pedido && button && button->isVisible());
    XPresses presses;
    click(pedido);
    settle(presses);
    ASSERT_TRUE(pedido->hasFocus());
    // The file forgets the number, so the load has something to write.
    d.margins(QStringLiteral("Mx4045_1=0\r\n"));

    // Another open of the folder: its lock keeps this process's own saves out as any other
    // program's does. Let go from the input thread once the input has been read (or plainly
    // will not be).
    const int holder = ::open(QFile::encodeName(d.tw.folder()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_GE(holder, 0);
    ASSERT_EQ(::flock(holder, LOCK_EX | LOCK_NB), 0);
    bool readInTime = false;
    {
        InputDuringRun during([&] { return loading.load(); },
                              {clickArguments(button), {QStringLiteral("key"), QStringLiteral("alt+i")}}, 2,
                              [holder] { ::close(holder); });
        key(QStringLiteral("Return"));
        EXPECT_TRUE(waitFor([&] { return loads >= 1 && !loading; }, 120000));
        readInTime = during.readInTime();
    }
    settle(presses);
    EXPECT_TRUE(readInTime) << "the window's thread did not read its input while the load waited for the lock";
    EXPECT_EQ(loads, 1);
    EXPECT_EQ(counted.entered, 0) << "input made during the wait started a print after it";
    EXPECT_EQ(d.tw.profile.readWhole(d.tw.path(QStringLiteral("Pendrova.ini")), QStringLiteral("Config"),
                                QStringLiteral("arquivo"), QString()),
              QStringLiteral("780001"));
    EXPECT_EQ(d.tw.messages.texts(), QStringList{});
}

TEST(RunsBesideTheWindow, TheMainWindowClosedDuringATestPrintClosesAfterIt)
{
    if (!besideCupsd())
        GTEST_SKIP() << "run beside with-cupsd.sh";
    // The queue first: the printer list is read when the printers are made.
    const QString queue = newQueue(QStringLiteral("Etiquetas_Fecha"));
    TestWorkstation t;
    QtPrinterSystem printers(t.files);
    Workstation ws{t.files, t.profile, printers, t.messages, t.screen};
    Program program{ws, t.form, t.g};
    loadOrderForQueue(t, program, queue, QtPrinterSystem::kFilePrinterName);
    SetupDialogs dialogs(program);
    auto window = std::make_unique<FrmPadrao>(program, MainWindowEvents{});
    dialogs.setParent(window.get());
    window->events() = programEvents(dialogs);
    window->show();
    ASSERT_TRUE(activate(window.get()));
    dialogs.openMargin(SetupDialogs::kCaixa);
    QPointer<MarginDialogView> view = dialogs.margin(SetupDialogs::kCaixa);
    ASSERT_TRUE(view);
    ASSERT_TRUE(waitFor([&] { return view->isVisible(); }));
    auto* teste = view->findChild<QPushButton*>(QStringLiteral("cmd_teste"));
    ASSERT_TRUE(teste);

    StoppedServer server;
    ASSERT_TRUE(server.stopped());
    bool windowOpenAfterTheClose = false, viewAliveAfterTheClose = false;
    // Fires inside the test print's first wait for the server.
    QTimer::singleShot(0, [&] {
        window->close();
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        windowOpenAfterTheClose = window->isVisible();
        viewAliveAfterTheClose = !view.isNull();
        server.resume();
    });
    teste->click();
    EXPECT_TRUE(windowOpenAfterTheClose) << "the window closed inside the test print";
    EXPECT_TRUE(viewAliveAfterTheClose) << "the dialog was freed inside its own test print";
    EXPECT_EQ(jobsOf(queue).size(), 1);
    // Once the run has ended the close asked for happens, the dialogs with it.
    EXPECT_TRUE(waitFor([&] { return !window->isVisible() && view.isNull(); }, 30000))
        << "window visible " << window->isVisible() << ", dialog alive " << !view.isNull();
    EXPECT_EQ(t.messages.texts(), QStringList{});
    window.reset();
    admin(QStringLiteral("lpadmin"), {QStringLiteral("-x"), queue});
}

TEST(RunsBesideTheWindow, AtStartUpASilentServerLetsTheWindowShowAndIsToldOnce)
{
    if (!besideCupsd())
        GTEST_SKIP() << "run beside with-cupsd.sh";
    TestWorkstation t;
    StoppedServer server;
    ASSERT_TRUE(server.stopped());
    QtPrinterSystem printers(t.files);
    Workstation ws{t.files, t.profile, printers, t.messages, t.screen};
    Program program{ws, t.form, t.g};
    SetupDialogs dialogs(program);
    auto window = std::make_unique<FrmPadrao>(program, MainWindowEvents{});
    dialogs.setParent(window.get());
    window->events() = programEvents(dialogs);

    // Fires inside start-up's wait for the server: the window must be on the screen by then,
    // before anything was told.
    bool loaded = false, shownDuringTheWait = false;
    QStringList toldDuringTheWait;
    QTimer::singleShot(0, [&] {
        shownDuringTheWait =
            waitFor([&] { return window->windowHandle() && window->windowHandle()->isExposed(); }, 30000) && !loaded;
        toldDuringTheWait = t.messages.texts();
    });
    window->start();
    loaded = true;
    EXPECT_TRUE(shownDuringTheWait) << "the window showed only after the server was waited for";
    EXPECT_EQ(toldDuringTheWait, QStringList{});
    EXPECT_EQ(t.messages.texts().filter(printserver::kNoAnswer),
              QStringList{printerListProblemMessage(printserver::kNoAnswer)});
    EXPECT_EQ(t.form.CMBPRINTER.items, QStringList{QtPrinterSystem::kFilePrinterName});
    server.resume();
}
