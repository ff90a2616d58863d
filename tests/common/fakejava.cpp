#include "tests/common/fakejava.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QStandardPaths>

FakeJava::FakeJava(const QString& body)
{
    writeFixtureJpeg(dir_.path() + QStringLiteral("/fixture.jpg"));
    const QString script = QStringLiteral(
                               "#!/bin/sh\n"
                               "printf '%s %s\\n' \"$PWD\" \"$*\" >> '%1/calls'\n"
                               "FIXTURE='%1/fixture.jpg'\n"
                               "CODES=$(grep -o '<codigo>[^<]*</codigo>' tmp/qr.xml | sed 's/<[^>]*>//g')\n")
                               .arg(dir_.path()) +
                           body + u'\n';
    QFile f(dir_.path() + QStringLiteral("/java"));
    f.open(QIODevice::WriteOnly);
    f.write(script.toUtf8());
    f.close();
    f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QStringList FakeJava::calls() const
{
    QFile f(dir_.path() + QStringLiteral("/calls"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

QString FakeJava::writesAll()
{
    return QStringLiteral("echo \"$CODES\" | while read -r c; do [ -n \"$c\" ] && cp \"$FIXTURE\" \"tmp/$c.jpg\"; done");
}

QString FakeJava::writesAllBut(const QStringList& codes)
{
    QString skip;
    for (const QString& c : codes)
        skip += QStringLiteral("[ \"$c\" = '%1' ] && continue; ").arg(c);
    return QStringLiteral("echo \"$CODES\" | while read -r c; do %1[ -n \"$c\" ] && cp \"$FIXTURE\" \"tmp/$c.jpg\"; done")
        .arg(skip);
}

QString FakeJava::writesOnly(const QStringList& codes)
{
    QString out;
    for (const QString& c : codes)
        out += QStringLiteral("cp \"$FIXTURE\" 'tmp/%1.jpg'\n").arg(c);
    return out;
}

void writeFixtureJpeg(const QString& path)
{
    QImage image(40, 40, QImage::Format_Grayscale8);
    image.fill(Qt::white);
    for (int y = 8; y < 32; ++y)
        for (int x = 8; x < 20; ++x)
            image.setPixel(x, y, qRgb(0, 0, 0));
    image.save(path, "JPEG");
}

QString javaFolder()
{
    const QString java = QStandardPaths::findExecutable(QStringLiteral("java"));
    return java.isEmpty() ? QString() : QFileInfo(QFileInfo(java).canonicalFilePath()).path();
}
