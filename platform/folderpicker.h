#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <deque>
#include <vector>

// The workstation's folder browser: only file-system folders can be chosen, modal to the owner
// window while it is up. It opens at the given folder (the one the caller's box shows), or at the
// desktop when that is blank or gone.
class FolderPicker {
public:
    // The window the browser belongs to, as a window handle; 0 for none.
    using Owner = std::uintptr_t;

    virtual ~FolderPicker() = default;
    // The chosen folder's path; empty when the operator cancels or the path cannot be had.
    virtual QString browse(Owner owner, const QString& title, const QString& start) = 0;
};

// A folder browser for tests: answers the folders it is given, in order (empty, as a cancel,
// once they run out), and keeps each title and start folder it was shown with.
class ScriptedFolderPicker : public FolderPicker {
public:
    QString browse(Owner owner, const QString& title, const QString& start) override;

    void answerNext(const QString& folder) { answers_.push_back(folder); }
    void cancelNext() { answers_.push_back(QString()); }
    const QStringList& titles() const { return titles_; }
    const QStringList& starts() const { return starts_; }
    const std::vector<Owner>& owners() const { return owners_; }

private:
    std::deque<QString> answers_;
    QStringList titles_;
    QStringList starts_;
    std::vector<Owner> owners_;
};
