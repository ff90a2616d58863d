#include "platform/messages.h"

#include <QStringList>

int ScriptedMessages::show(const QString& text, int style, const QString& title)
{
    shown_.push_back({text, style, title});
    if (whileShown_)
        whileShown_();
    if (!answers_.empty()) {
        const int a = answers_.front();
        answers_.pop_front();
        return a;
    }
    switch (mb::buttonsOf(style)) {
    case mb::YesNo:
    case mb::YesNoCancel: return mb::Yes;
    default: return mb::OK;
    }
}

QStringList ScriptedMessages::texts() const
{
    QStringList out;
    for (const Shown& s : shown_)
        out << s.text;
    return out;
}
