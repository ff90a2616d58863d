#pragma once

#include <QString>
#include <QStringList>
#include <sys/types.h>

// A private X display with a window manager: Xvfb on the first free display (it names it through
// -displayfd) and openbox on it. Both are started here and stopped by their process ids.
class XSession {
public:
    XSession() = default;
    ~XSession();
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;

    // Starts the server and sets DISPLAY; false with the reason when a tool is missing or fails.
    bool startServer(QString* error);
    // Starts the window manager and returns once it manages new windows; call once the application
    // is made (it waits with QProcess).
    bool startWindowManager(QString* error);
    void stop();

    QString display() const { return display_; }

private:
    pid_t server_ = 0;
    pid_t manager_ = 0;
    QString display_;
};

// The X tools the tests drive and read the display with, run to their end.
QString runTool(const QString& program, const QStringList& arguments, int* exitCode = nullptr);
// Whether a program is on the path.
bool haveTool(const QString& program);
