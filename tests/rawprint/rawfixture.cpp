#include "tests/rawprint/rawfixture.h"

#include <QFile>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

RawSender::Result RecordingSender::send(const QString& batchFile, const QString& workingFolder)
{
    FileSystem folder(workingFolder);
    sends.push_back({batchFile, workingFolder, folder.readBytes(QStringLiteral("epltemp.prn")).value_or(QByteArray()),
                     folder.readBytes(batchFile).value_or(QByteArray())});
    return {Outcome::Sent, QStringLiteral("gravado")};
}

Pty::Pty()
{
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0)
        return;
    device_ = QString::fromLocal8Bit(::ptsname(master_));
    // Kept open, so the line stays up between the sender's open and close.
    slave_ = ::open(::ptsname(master_), O_RDWR | O_NOCTTY);
    if (slave_ < 0)
        return;
    termios raw{};
    ::tcgetattr(slave_, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(slave_, TCSANOW, &raw);
}

Pty::~Pty()
{
    if (slave_ >= 0)
        ::close(slave_);
    if (master_ >= 0)
        ::close(master_);
}

QByteArray Pty::received() const
{
    QByteArray out;
    char buffer[4096];
    pollfd p{master_, POLLIN, 0};
    while (::poll(&p, 1, 50) > 0) {
        const ssize_t n = ::read(master_, buffer, sizeof buffer);
        if (n <= 0)
            break;
        out.append(buffer, n);
    }
    return out;
}

const QByteArray FakeLp::kRecords =
    "printf '%s\\n' \"$@\" > \"$here/args\"\ncat > \"$here/stdin\"\necho 'request id is Zebra-7 (0 file(s))'\n";
const QByteArray FakeLp::kRejects = "cat > /dev/null\necho 'lp: The printer or class does not exist.' >&2\nexit 1\n";
const QByteArray FakeLp::kHangs = "exec sleep 30\n";

FakeLp::FakeLp(const QByteArray& body) : oldPath_(qgetenv("PATH"))
{
    QFile script(dir_.path() + QStringLiteral("/lp"));
    if (script.open(QIODevice::WriteOnly))
        script.write("#!/bin/sh\nhere=$(dirname \"$0\")\n" + body);
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("PATH", QFile::encodeName(dir_.path()) + ':' + oldPath_);
}

FakeLp::~FakeLp() { qputenv("PATH", oldPath_); }

QByteArray FakeLp::file(const char* name) const
{
    QFile f(dir_.path() + u'/' + QLatin1String(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(nada)");
}

RawFixture::RawFixture()
{
    t.ws.rawSender = &sender;
    t.form.lblporta.caption = QStringLiteral("PARALELA");
    t.form.LBLPORTAPARELELA.caption = QStringLiteral("LPT1");
    t.form.lblcompartilhamento.caption = QStringLiteral("Zebra");
}

QByteArray crlf(std::initializer_list<const char*> lines)
{
    QByteArray out;
    for (const char* l : lines)
        out += QByteArray(l) + "\r\n";
    return out;
}

::testing::AssertionResult wellFormedZpl(const QByteArray& spool)
{
    bool open = false;
    int formats = 0;
    for (const QByteArray& line : spool.split('\n')) {
        if (line.contains("^XA")) {
            if (open)
                return ::testing::AssertionFailure() << "^XA inside an open format: " << line.constData();
            open = true;
        }
        int from = 0;
        while ((from = line.indexOf("^FD", from)) >= 0) {
            const int end = line.indexOf("^FS", from);
            if (end < 0)
                return ::testing::AssertionFailure() << "^FD without ^FS: " << line.constData();
            from = end;
        }
        if (line.contains("^FO") && !open)
            return ::testing::AssertionFailure() << "field outside a format: " << line.constData();
        if (line.contains("^XZ")) {
            if (!open)
                return ::testing::AssertionFailure() << "^XZ without ^XA";
            open = false;
            ++formats;
        }
    }
    if (open)
        return ::testing::AssertionFailure() << "format left open";
    return ::testing::AssertionSuccess() << formats << " formats";
}
