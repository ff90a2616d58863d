// A print server that stops answering (its process stopped, not ended, as a hung server is): the
// program names the cause within seconds instead of waiting for minutes, keeps its window's
// events flowing meanwhile, and prints nothing.
#include "labels/product/cmd_printacessorio.h"
#include "platform/qtprinter.h"
#include "tests/common/testworkstation.h"
#include "tests/cups/privateserver.h"
#include "tests/cups/queuejobs.h"

#include <QElapsedTimer>
#include <QThread>
#include <QTimer>
#include <functional>
#include <memory>
#include <gtest/gtest.h>
#include <signal.h>

namespace {

const QString kNoAnswer = QStringLiteral("o servidor de impressão não responde");
// Far below the minutes libcups waits on its own, far above the few seconds the program may take.
constexpr qint64 kBoundMs = 60000;

char processState(pid_t pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray s = stat.readAll();
    const auto close = s.lastIndexOf(')');
    return close > 0 && close + 2 < s.size() ? s.at(close + 2) : 0;
}

// The private cupsd, stopped for as long as this lives.
class StoppedServer {
public:
    StoppedServer() : pid_(qEnvironmentVariableIntValue("ETIQUETAS_CUPSD_PID"))
    {
        if (pid_ <= 0 || ::kill(pid_, SIGSTOP) != 0)
            return;
        for (int i = 0; i < 100 && processState(pid_) != 'T'; ++i)
            QThread::msleep(20);
        stopped_ = processState(pid_) == 'T';
    }
    ~StoppedServer() { resume(); }
    bool stopped() const { return stopped_; }
    void resume()
    {
        if (pid_ > 0)
            ::kill(pid_, SIGCONT);
        pid_ = 0;
    }

private:
    pid_t pid_;
    bool stopped_ = false;
};

// Counts the turns of the event loop while the program waits: a window is repainted only on them.
struct EventTurns {
    EventTurns()
    {
        timer.setInterval(20);
        QObject::connect(&timer, &QTimer::timeout, [this] { ++turns; });
        timer.start();
    }
    QTimer timer;
    int turns = 0;
};

// The print command of a box-front order on the queue chosen in the window; what it told the operator.
QStringList printCommand(TestWorkstation& t, QtPrinterSystem& system, const QString& queue,
                         const std::function<void()>& beforePrinting)
{
    Workstation ws{t.files, t.profile, system, t.messages, t.screen};
    Program program{ws, t.form, t.g};
    loadOrderForQueue(t, program, queue, QtPrinterSystem::kFilePrinterName);
    beforePrinting();
    cmd_printacessorio_Click(program);
    return t.messages.texts();
}

}  // namespace

TEST(SilentServerTest, APrintOnASilentServerFailsWithinSecondsNamingTheServerAndPrintsNothing)
{
    ASSERT_FALSE(qEnvironmentVariable("ETIQUETAS_CUPSD_PID").isEmpty()) << "run beside with-cupsd.sh";
    struct Case {
        const char* name;
        bool namesPrinter;  // the print command's message names the printer
        // Stops the server at its point of the print (through stop()) and reports what the operator was told.
        std::function<QString(TestWorkstation&, QtPrinterSystem&, const QString& queue,
                              const std::function<void()>& stop)>
            print;
    };
    const Case cases[] = {
        {"silent before the print command starts", true,
         [](TestWorkstation& t, QtPrinterSystem& system, const QString& queue, const std::function<void()>& stop) {
             return printCommand(t, system, queue, stop).join(u'|');
         }},
        {"silent when the drawn document is handed over", false,
         [](TestWorkstation&, QtPrinterSystem& system, const QString& queue, const std::function<void()>& stop) {
             system.makeCurrent(indexOf(system, queue));
             Printer& p = system.current();
             drawLabel(p);
             if (p.failed())
                 return QStringLiteral("failed while drawing: ") + p.failure();
             stop();
             return p.endDoc() ? QStringLiteral("printed") : p.failure();
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString queue = newQueue(QStringLiteral("Etiquetas_Mudo"));
        TestWorkstation t;
        QtPrinterSystem system(t.files);
        ASSERT_GE(indexOf(system, queue), 0) << "the list offers the queue";

        std::unique_ptr<StoppedServer> server;
        std::unique_ptr<EventTurns> turns;
        QElapsedTimer clock;
        const QString told = c.print(t, system, queue, [&] {
            server = std::make_unique<StoppedServer>();
            turns = std::make_unique<EventTurns>();
            clock.start();
        });
        const qint64 took = clock.elapsed();
        ASSERT_TRUE(server && server->stopped());

        const QString expected =
            c.namesPrinter ? QStringLiteral("Não foi possível imprimir na impressora \"%1\": ").arg(queue) + kNoAnswer
                           : kNoAnswer;
        EXPECT_EQ(told.toStdString(), expected.toStdString());
        EXPECT_LT(took, kBoundMs);
        EXPECT_GT(turns->turns, 0) << "the event loop stood still while the server was waited for";
        EXPECT_TRUE(system.writtenFiles().isEmpty()) << "nothing goes to another printer instead";

        server->resume();
        EXPECT_EQ(jobsOf(queue), QList<int>()) << "the server, answering again, holds no job of it";
        // And the queue takes the next print once the server answers.
        system.makeCurrent(indexOf(system, queue));
        drawLabel(system.current());
        EXPECT_TRUE(system.current().endDoc()) << system.current().failure().toStdString();
        EXPECT_EQ(jobsOf(queue).size(), 1);
        admin(QStringLiteral("lpadmin"), {QStringLiteral("-x"), queue});
    }
}

TEST(SilentServerTest, ThePrinterListAtStartUpDoesNotWaitForASilentServer)
{
    ASSERT_FALSE(qEnvironmentVariable("ETIQUETAS_CUPSD_PID").isEmpty()) << "run beside with-cupsd.sh";
    const QString queue = qEnvironmentVariable("ETIQUETAS_CUPS_QUEUE");
    TestWorkstation t;
    {
        StoppedServer server;
        ASSERT_TRUE(server.stopped());
        QElapsedTimer clock;
        clock.start();
        QtPrinterSystem system(t.files);
        EXPECT_LT(clock.elapsed(), kBoundMs);
        // The queues cannot be known; the file printer is always there, and is the current one.
        ASSERT_EQ(system.count(), 1);
        EXPECT_EQ(system.deviceName(0), QtPrinterSystem::kFilePrinterName);
        EXPECT_EQ(system.current().deviceName(), QtPrinterSystem::kFilePrinterName);
    }
    QtPrinterSystem system(t.files);
    EXPECT_GE(indexOf(system, queue), 0) << "the queues are listed again once the server answers";
}
