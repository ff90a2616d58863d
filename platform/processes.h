#pragma once

#include <QString>
#include <QStringList>
#include <chrono>
#include <memory>
#include <optional>

// Programs the program starts and waits for (the QR generator). A process is known by the id
// that start answers; waiting on an id that names no process returns at once. Whatever a
// started program starts itself ends with it: when it has ended, or when it is ended.
class Processes {
public:
    using Id = long long;
    // Failed: it ended with a status other than success, or was killed by a signal.
    enum class Wait { Ended, Failed, TimedOut, Unknown };

    virtual ~Processes() = default;

    // Starts a program without a window, with its own arguments and working folder; its output
    // is thrown away. nullopt when it could not be started.
    virtual std::optional<Id> start(const QString& program, const QStringList& arguments,
                                    const QString& workingFolder) = 0;
    virtual Wait wait(Id id, std::chrono::milliseconds timeout) = 0;
    // Ends a process that is still running, with whatever it started, and forgets it.
    virtual void end(Id id) = 0;
    virtual void sleep(std::chrono::milliseconds pause) = 0;
};

// Processes of this machine, through QProcess.
class QtProcesses : public Processes {
public:
    QtProcesses();
    ~QtProcesses() override;

    std::optional<Id> start(const QString& program, const QStringList& arguments,
                            const QString& workingFolder) override;
    Wait wait(Id id, std::chrono::milliseconds timeout) override;
    void end(Id id) override;
    void sleep(std::chrono::milliseconds pause) override;

private:
    struct Running;
    std::unique_ptr<Running> running_;
};
