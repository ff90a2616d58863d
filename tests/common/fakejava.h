#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A Java folder whose "java" is a shell script: it records how it was started and then does what
// the test asks, standing in for the runtime and the QR generator.
class FakeJava {
public:
    // body: shell lines run in the program folder; $CODES holds the requested codes, one a line,
    // and $FIXTURE a JPEG to copy.
    explicit FakeJava(const QString& body);

    QString folder() const { return dir_.path(); }
    // One line per start: the working folder, then the arguments.
    QStringList calls() const;

    // Writes an image for every requested code.
    static QString writesAll();
    // Writes an image for the requested codes except those given.
    static QString writesAllBut(const QStringList& codes);
    static QString writesOnly(const QStringList& codes);

private:
    QTemporaryDir dir_;
};

// A small JPEG that stands for a QR image.
void writeFixtureJpeg(const QString& path);

// The folder of the machine's java, or empty.
QString javaFolder();
