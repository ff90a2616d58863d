#pragma once

#include "platform/messages.h"

class QWidget;

// Message boxes of the running program.
class QtMessages : public Messages {
public:
    static const QString kProgramTitle;

    void setParent(QWidget* parent) { parent_ = parent; }
    int show(const QString& text, int style = mb::OKOnly, const QString& title = {}) override;

private:
    QWidget* parent_ = nullptr;
};
