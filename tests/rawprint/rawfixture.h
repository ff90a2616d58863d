#pragma once

#include "platform/rawsender.h"
#include "tests/common/testworkstation.h"

#include <QByteArray>
#include <QTemporaryDir>
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
    Result send(const QString& batchFile, const QString& workingFolder) override;
    std::vector<Send> sends;
};

// A pseudo-terminal in raw mode stands for a printer port: a real character device whose bytes
// the test reads back, and which stops taking bytes when nobody reads them.
class Pty {
public:
    Pty();
    ~Pty();
    Pty(const Pty&) = delete;
    Pty& operator=(const Pty&) = delete;
    bool ok() const { return slave_ >= 0; }
    const QString& device() const { return device_; }
    // What reached the port so far.
    QByteArray received() const;

private:
    int master_ = -1, slave_ = -1;
    QString device_;
};

// A stand-in "lp" first on PATH, a shell script with the given body ($here is its folder); the
// PATH it found comes back when it goes.
class FakeLp {
public:
    explicit FakeLp(const QByteArray& body);
    ~FakeLp();
    FakeLp(const FakeLp&) = delete;
    FakeLp& operator=(const FakeLp&) = delete;
    // A file the script wrote into its folder, or "(nada)".
    QByteArray file(const char* name) const;

    // Keeps its arguments (one a line) in "args" and its input in "stdin", and says it queued.
    static const QByteArray kRecords;
    // Says the queue does not exist, as CUPS's lp does, and fails.
    static const QByteArray kRejects;
    static const QByteArray kHangs;

private:
    QTemporaryDir dir_;
    QByteArray oldPath_;
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
