#include "tests/common/secondcopy.h"

#include <csignal>

SecondCopy::SecondCopy(const QStringList& arguments)
{
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(QStringLiteral(ETIQUETAS_SECOND_COPY), arguments);
    process_.waitForStarted();
}

SecondCopy::~SecondCopy()
{
    if (process_.state() != QProcess::NotRunning)
        kill();
}

QString SecondCopy::nextLine()
{
    while (!process_.canReadLine()) {
        if (process_.state() == QProcess::NotRunning || !process_.waitForReadyRead(60000)) {
            // Whatever it said last, without a line end.
            return QString::fromUtf8(process_.readAll()).trimmed();
        }
    }
    return QString::fromUtf8(process_.readLine()).trimmed();
}

void SecondCopy::tell(const QByteArray& line)
{
    process_.write(line + '\n');
    process_.waitForBytesWritten();
}

void SecondCopy::kill()
{
    if (process_.processId() > 0)
        ::kill(static_cast<pid_t>(process_.processId()), SIGKILL);
    process_.waitForFinished();
}

int SecondCopy::exitCode()
{
    if (!process_.waitForFinished(60000) || process_.exitStatus() != QProcess::NormalExit)
        return -1;
    return process_.exitCode();
}
