#pragma once

#include "platform/messages.h"

#include <functional>

class QWidget;

// Message boxes of the running program. A box belongs to the window that is active when it shows
// (a dialog's messages to that dialog), and that window has the keyboard again when it closes.
class QtMessages : public Messages {
public:
    static const QString kProgramTitle;

    // The owner when no window of the program is active.
    void setParent(QWidget* parent) { parent_ = parent; }
    // Runs before every box shows: the main window drops the focus moves queued so far (the box
    // takes them) and shows what its handler has changed up to now.
    void setBeforeShow(std::function<void()> beforeShow) { beforeShow_ = std::move(beforeShow); }
    int show(const QString& text, int style = mb::OKOnly, const QString& title = {}) override;

private:
    QWidget* parent_ = nullptr;
    std::function<void()> beforeShow_;
};
