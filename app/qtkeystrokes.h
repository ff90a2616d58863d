#pragma once

#include "platform/keystrokes.h"

#include <QObject>
#include <cstdint>

// Keystrokes queued to the active window: "{tab}" and "+{tab}" are posted and reach the control
// that has the focus in that window once the key being handled now is done, as a Tab or
// Shift+Tab of its own (also when the key pressed a button that opened another window).
// A message box takes the keystrokes queued before it: dropPending (which the window's message
// boxes call before they show) makes those already queued fire nowhere, so no move happens
// behind the box or after it.
class QtKeystrokes : public QObject, public Keystrokes {
public:
    // Raises "Invalid procedure call" for any other keys.
    void send(const QString& keys) override;
    void dropPending() { ++generation_; }

protected:
    bool event(QEvent* e) override;

private:
    uint64_t generation_ = 0;
};
