#include "platform/folderpicker.h"

QString ScriptedFolderPicker::browse(Owner owner, const QString& title)
{
    titles_ << title;
    owners_.push_back(owner);
    if (answers_.empty())
        return {};
    QString answer = answers_.front();
    answers_.pop_front();
    return answer;
}
