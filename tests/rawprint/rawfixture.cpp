#include "tests/rawprint/rawfixture.h"

#include <gtest/gtest.h>

RawSender::Outcome RecordingSender::send(const QString& batchFile, const QString& workingFolder)
{
    FileSystem folder(workingFolder);
    sends.push_back({batchFile, workingFolder, folder.readBytes(QStringLiteral("epltemp.prn")).value_or(QByteArray()),
                     folder.readBytes(batchFile).value_or(QByteArray())});
    return Outcome::Sent;
}

std::optional<Processes::Id> RecordingProcesses::start(const QString& program, const QStringList& arguments,
                                                       const QString& workingFolder)
{
    starts.push_back({program, arguments, workingFolder});
    return static_cast<Id>(starts.size());
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
