#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>

class Processes;

// Hands a printer-language job to the printer: the program writes the spool file and the batch
// file, and the sender carries out the batch file with the program folder as its working folder.
// The writers do not look at the outcome; it is there for tests and logs.
class RawSender {
public:
    enum class Outcome { Sent, NoBatchFile, Refused, Failed };

    virtual ~RawSender() = default;
    virtual Outcome send(const QString& batchFile, const QString& workingFolder) = 0;
};

// What a batch file asks for, read from the only line shapes the program writes:
//   net use P: /delete
//   net use P: \\127.0.0.1\S /yes
//   type epltemp.prn > P
// Blank lines are allowed; a mapping without a share fails and leaves the port unmapped. Any
// other line, or a name that holds more than letters, digits and
// "_", "-", ".", "$", makes the whole file refused: such names would act as shell syntax.
struct BatchPlan {
    QString spoolFile;  // as the "type" line names it
    QString port;       // where the "type" line copies it
    QString queue;      // the share the port is mapped to at that moment; empty when unmapped
};
std::optional<BatchPlan> readBatchPlan(const QStringList& lines);

// A port or share name that is safe to put on a command line unquoted.
bool isPlainName(const QString& name);

// The sender of this machine. It never runs a shell. On Linux it does what the batch lines say
// itself: a port mapped to a share sends the spool file to the CUPS queue of that name
// ("lp -d <queue> -o raw <file>", each value its own argument); any other port is looked up in
// the port table (name, letter case ignored -> device node or file) and the spool bytes are
// appended to it. On Windows the checked batch file runs in the command interpreter.
class BatchFileSender : public RawSender {
public:
    BatchFileSender(Processes& processes, QHash<QString, QString> ports);

    Outcome send(const QString& batchFile, const QString& workingFolder) override;

    // LPT1 to LPT3 on the parallel port devices, USB001 on the first USB printer.
    static QHash<QString, QString> standardPorts();

private:
    Outcome toQueue(const QString& queue, const QString& spoolPath);
    Outcome toDevice(const QString& port, const QString& spoolPath) const;

    Processes& processes_;
    QHash<QString, QString> ports_;  // keys in capitals
};
