#pragma once

#include <QProcess>
#include <QString>

// Another program holding a folder's lock, in a process of its own: util-linux flock takes it the
// way any program takes it and keeps it until this object goes (its input closes).
class LockingProgram {
public:
    explicit LockingProgram(const QString& folder)
    {
        process_.start(QStringLiteral("flock"), {QStringLiteral("--exclusive"), folder, QStringLiteral("sh"),
                                                 QStringLiteral("-c"), QStringLiteral("echo held; exec cat")});
    }
    ~LockingProgram() { release(); }
    LockingProgram(const LockingProgram&) = delete;
    LockingProgram& operator=(const LockingProgram&) = delete;

    // Waits until it says it holds the lock; false when it ended (or stayed silent for a minute,
    // which only a hang does) without saying so.
    bool held()
    {
        while (!process_.canReadLine())
            if (process_.state() == QProcess::NotRunning || !process_.waitForReadyRead(60000))
                return false;
        return process_.readLine().trimmed() == "held";
    }
    // Lets the lock go and waits until the process holding it has ended.
    void release()
    {
        if (process_.state() == QProcess::NotRunning)
            return;
        process_.closeWriteChannel();
        process_.waitForFinished(-1);
    }

private:
    QProcess process_;
};
