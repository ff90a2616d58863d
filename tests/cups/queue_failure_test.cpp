// Queues of the private cupsd that cannot take the job: one that rejects jobs, one that is
// stopped, and one deleted while the program runs (its list still offers it). The print command
// reports each with the printer's name and the reason, and prints nowhere else.
#include "labels/product/cmd_printacessorio.h"
#include "platform/qtprinter.h"
#include "tests/common/testworkstation.h"
#include "tests/cups/privateserver.h"
#include "tests/cups/queuejobs.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

using Change = std::function<QString(const QString& queue)>;

struct Case {
    const char* name;
    Change change;
    QString reason;
};

QString reject(const QString& q) { return admin(QStringLiteral("cupsreject"), {q}); }
QString stop(const QString& q) { return admin(QStringLiteral("cupsdisable"), {q}); }
QString remove(const QString& q) { return admin(QStringLiteral("lpadmin"), {QStringLiteral("-x"), q}); }

const QString kRejects = QStringLiteral("a fila de impressão não está aceitando trabalhos");
const QString kStopped = QStringLiteral("a fila de impressão está parada");
const QString kGone = QStringLiteral("a fila de impressão não existe mais neste computador");

TEST(QueueFailureTest, ThePrintCommandReportsAQueueThatCannotTakeTheJobAndPrintsNowhereElse)
{
    ASSERT_FALSE(qEnvironmentVariable("ETIQUETAS_CUPS_QUEUE").isEmpty()) << "run beside with-cupsd.sh";
    const Case cases[] = {
        {"rejects jobs", reject, kRejects},
        {"stopped", stop, kStopped},
        {"deleted since the printer list was read", remove, kGone},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString queue = newQueue(QStringLiteral("Etiquetas_Falha"));
        TestWorkstation t;
        QtPrinterSystem system(t.files);
        Workstation ws{t.files, t.profile, system, t.messages, t.screen};
        Program program{ws, t.form, t.g};
        loadOrderForQueue(t, program, queue, QtPrinterSystem::kFilePrinterName);
        ASSERT_GE(indexOf(system, queue), 0) << "the list offers the queue";
        ASSERT_EQ(c.change(queue), QString());

        cmd_printacessorio_Click(program);

        EXPECT_EQ(t.messages.texts(),
                  QStringList{QStringLiteral("Não foi possível imprimir na impressora \"%1\": ").arg(queue) + c.reason});
        EXPECT_TRUE(system.writtenFiles().isEmpty()) << "nothing goes to another printer instead";
        EXPECT_EQ(system.current().deviceName(), QtPrinterSystem::kFilePrinterName);
        remove(queue);
    }
}

TEST(QueueFailureTest, AQueueThatGoesWhileTheDocumentIsDrawnFailsItsHandOver)
{
    ASSERT_FALSE(qEnvironmentVariable("ETIQUETAS_CUPS_QUEUE").isEmpty()) << "run beside with-cupsd.sh";
    const Case cases[] = {{"deleted", remove, kGone}, {"rejecting jobs", reject, kRejects}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString queue = newQueue(QStringLiteral("Etiquetas_Falha"));
        TestWorkstation t;
        QtPrinterSystem system(t.files);
        const int index = indexOf(system, queue);
        ASSERT_GE(index, 0);
        system.makeCurrent(index);
        Printer& p = system.current();
        drawLabel(p);
        EXPECT_FALSE(p.failed());
        ASSERT_EQ(c.change(queue), QString());

        EXPECT_FALSE(p.endDoc());
        EXPECT_EQ(p.failure(), c.reason) << p.failure().toStdString();
        remove(queue);
    }
}

}  // namespace
