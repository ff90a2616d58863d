#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

// Message-box buttons, icons and answers, with the workstation's numbers so the program's code
// can combine them as it always has.
namespace mb {
constexpr int OKOnly = 0;
constexpr int OKCancel = 1;
constexpr int YesNoCancel = 3;
constexpr int YesNo = 4;
constexpr int Critical = 16;
constexpr int Question = 32;
constexpr int Exclamation = 48;
constexpr int Information = 64;

constexpr int OK = 1;
constexpr int Cancel = 2;
constexpr int Yes = 6;
constexpr int No = 7;

constexpr int buttonsOf(int style) { return style & 7; }
constexpr int iconOf(int style) { return style & 0x70; }
}  // namespace mb

class Messages {
public:
    virtual ~Messages() = default;
    // Shows a message and answers the button chosen. An empty title shows the program's own.
    virtual int show(const QString& text, int style = mb::OKOnly, const QString& title = {}) = 0;
};

// Messages for tests: records what was shown and answers as the test tells it, else with the
// first button of the box.
class ScriptedMessages : public Messages {
public:
    struct Shown {
        QString text;
        int style = 0;
        QString title;
    };

    int show(const QString& text, int style = mb::OKOnly, const QString& title = {}) override;

    void answerNext(int answer) { answers_.push_back(answer); }
    // What happens elsewhere while a message is up (a box waits for its answer), run at each
    // message before it is answered.
    void whileShown(std::function<void()> action) { whileShown_ = std::move(action); }
    const std::vector<Shown>& shown() const { return shown_; }
    QStringList texts() const;
    void clear() { shown_.clear(); }

private:
    std::vector<Shown> shown_;
    std::deque<int> answers_;
    std::function<void()> whileShown_;
};
