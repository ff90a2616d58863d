#pragma once

#include "platform/processes.h"
#include "platform/rawsender.h"
#include "tests/common/testworkstation.h"

#include <QByteArray>
#include <gtest/gtest.h>
#include <QString>
#include <vector>

// A sender that keeps what it was handed: the batch file, the folder and the spool bytes at the
// moment of the send.
class RecordingSender : public RawSender {
public:
    struct Send {
        QString batchFile, folder;
        QByteArray spool, batch;
    };
    Outcome send(const QString& batchFile, const QString& workingFolder) override;
    std::vector<Send> sends;
};

// Processes that start nothing and remember what they were asked to start.
class RecordingProcesses : public Processes {
public:
    struct Start {
        QString program;
        QStringList arguments;
        QString folder;
    };
    std::optional<Id> start(const QString& program, const QStringList& arguments, const QString& workingFolder) override;
    Wait wait(Id, std::chrono::milliseconds) override { return Wait::Ended; }
    void end(Id) override {}
    void sleep(std::chrono::milliseconds) override {}
    std::vector<Start> starts;
};

// A program folder with a recording sender, the port captions of a parallel port LPT1.
struct RawFixture {
    RawFixture();
    TestWorkstation t;
    RecordingSender sender;

    QByteArray spool() const { return t.readBytes(QStringLiteral("epltemp.prn")); }
    QByteArray batch() const { return t.readBytes(QStringLiteral("IMPRIMIR.BAT")); }
};

// The lines each followed by CR LF, for goldens written line by line.
QByteArray crlf(std::initializer_list<const char*> lines);

// Lenient ZPL check: formats open and close in pairs, and every field's data is closed.
::testing::AssertionResult wellFormedZpl(const QByteArray& spool);
