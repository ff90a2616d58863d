#pragma once

#include <QString>
#include <QStringList>

// Keystrokes queued to the active window ("{tab}", "+{tab}"); they take effect after the key
// being handled now has reached its control.
class Keystrokes {
public:
    virtual ~Keystrokes() = default;
    virtual void send(const QString& keys) = 0;
};

// Keystrokes for tests: kept in order, sent nowhere.
class RecordingKeystrokes : public Keystrokes {
public:
    void send(const QString& keys) override { sent << keys; }
    QStringList sent;
};
