#include "platform/folderpicker.h"

QString ScriptedFolderPicker::browse(Owner owner, const QString& title, const QString& start)
{
    titles_ << title;
    starts_ << start;
    owners_.push_back(owner);
    if (answers_.empty())
        return {};
    QString answer = answers_.front();
    answers_.pop_front();
    return answer;
}
