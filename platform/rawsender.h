#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <chrono>
#include <optional>

// Hands a printer-language job to the printer: the program writes the spool file and the batch
// file, and the sender carries out the batch file with the program folder as its working folder.
class RawSender {
public:
    enum class Outcome { Sent, NoBatchFile, Refused, Failed };
    struct Result {
        Outcome outcome = Outcome::Failed;
        // Where the job went, or why it did not go: a short text for the operator and the log.
        QString detail;
        bool sent() const { return outcome == Outcome::Sent; }
    };

    virtual ~RawSender() = default;
    virtual Result send(const QString& batchFile, const QString& workingFolder) = 0;
};

// What a batch file asks for, read from the only line shapes the program writes:
//   net use P: /delete
//   net use P: \\127.0.0.1\S /yes
//   type epltemp.prn > P
// Blanks around a port name are the program's own (a port caption is written as it stands), so
// they are allowed, as is an empty name; blank lines too. A mapping without a share fails and
// leaves the port unmapped. Any other line, or a name that holds more than letters, digits and
// "_", "-", ".", "$", makes the whole file refused: such names would act as shell syntax.
struct BatchPlan {
    QString spoolFile;  // as the "type" line names it
    QString port;       // where the "type" line copies it; empty when the line names none
    QString queue;      // the share the port is mapped to at that moment; empty when unmapped
};
std::optional<BatchPlan> readBatchPlan(const QStringList& lines);

// A port or share name that is safe to put on a command line unquoted.
bool isPlainName(const QString& name);

// The sender of this machine. It never runs a shell. On Linux it does what the batch lines say
// itself, with the spool file of the program folder, which must be a plain file there (a link is
// refused, so the job can never be some other file):
// - a port mapped to a share: the bytes go to the CUPS queue of that name through
//   "lp -d <queue> -o raw", each value its own argument, on its standard input; lp's exit status
//   and message are the result, and it is given a bounded time;
// - any other port is looked up in the port table (name, letter case ignored -> device) and the
//   bytes are written to that device, which must exist and be a character device; a device that
//   stops taking bytes is given up after the device wait.
// Every outcome is also written to standard error. On Windows the checked batch file runs in
// the command interpreter.
class BatchFileSender : public RawSender {
public:
    explicit BatchFileSender(QHash<QString, QString> ports,
                             std::chrono::milliseconds deviceWait = std::chrono::seconds(10),
                             std::chrono::milliseconds queueWait = std::chrono::seconds(30));

    Result send(const QString& batchFile, const QString& workingFolder) override;

    // LPT1 to LPT5 on the parallel port devices /dev/lp0 to /dev/lp4.
    static QHash<QString, QString> standardPorts();

private:
    Result carryOut(const QString& batchFile, const QString& workingFolder);
    Result toQueue(const QString& queue, const QString& spoolName, const QByteArray& bytes) const;
    Result toDevice(const QString& port, const QByteArray& bytes) const;

    QHash<QString, QString> ports_;  // keys in capitals
    std::chrono::milliseconds deviceWait_;
    std::chrono::milliseconds queueWait_;
};
