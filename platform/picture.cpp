#include "platform/picture.h"

#include "platform/filesystem.h"

#include <QBuffer>
#include <QImageReader>

#include <optional>
#include <utility>

namespace {
double mmPerPixel(int dotsPerMeter)
{
    return dotsPerMeter > 0 ? 1000.0 / dotsPerMeter : 25.4 / 96.0;
}

QByteArray suffixOf(const QString& path)
{
    const qsizetype dot = path.lastIndexOf(u'.');
    return dot > path.lastIndexOf(u'/') ? path.mid(dot + 1).toLower().toLatin1() : QByteArray();
}

bool startsAsJpeg(const QByteArray& b)
{
    return b.size() >= 2 && static_cast<uchar>(b[0]) == 0xFF && static_cast<uchar>(b[1]) == 0xD8;
}

// Whether a JPEG's segments run whole to its end-of-image marker. The decoder takes a file cut
// anywhere in its compressed data as a warning and paints the rest grey, so the end is looked for
// here: the segments are walked by their lengths, and the compressed data after each start of
// scan up to the next marker (stuffed bytes and restart markers belong to the data).
bool jpegWhole(const QByteArray& data)
{
    const auto* b = reinterpret_cast<const uchar*>(data.constData());
    const qsizetype n = data.size();
    qsizetype i = 2;
    for (;;) {
        if (i >= n || b[i] != 0xFF)
            return false;
        while (i < n && b[i] == 0xFF)
            ++i;
        if (i >= n)
            return false;
        const uchar marker = b[i++];
        if (marker == 0xD9)
            return true;
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7))
            continue;
        if (i + 2 > n)
            return false;
        const qsizetype length = (qsizetype(b[i]) << 8) | b[i + 1];
        if (length < 2 || i + length > n)
            return false;
        i += length;
        if (marker != 0xDA)
            continue;
        for (;;) {
            if (i + 1 >= n)
                return false;
            if (b[i] == 0xFF) {
                const uchar next = b[i + 1];
                if (next == 0x00 || (next >= 0xD0 && next <= 0xD7)) {
                    i += 2;
                    continue;
                }
                if (next != 0xFF)
                    break;
            }
            ++i;
        }
    }
}
}  // namespace

double Picture::widthMm() const { return image.width() * mmPerPixel(image.dotsPerMeterX()); }

double Picture::heightMm() const { return image.height() * mmPerPixel(image.dotsPerMeterY()); }

Picture Picture::load(const QString& realPath)
{
    Picture p;
    if (realPath.isEmpty())
        return p;
    // Read by the name's own bytes; the reader then takes the name's ending as a hint of the
    // format, as it would from the file.
    std::optional<QByteArray> bytes = FileSystem::readFile(realPath);
    if (!bytes)
        return p;
    QBuffer buffer(&*bytes);
    QImageReader reader(&buffer, suffixOf(realPath));
    p.image = reader.read();
    if (!p.image.isNull())
        p.file = realPath;
    return p;
}

Picture Picture::loadWhole(const QString& realPath)
{
    Picture p;
    if (realPath.isEmpty())
        return p;
    std::optional<QByteArray> read = FileSystem::readFile(realPath);
    if (!read || (startsAsJpeg(*read) && !jpegWhole(*read)))
        return p;
    QByteArray bytes = std::move(*read);
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer);
    QImage image;
    if (!reader.read(&image) || image.isNull())
        return p;
    p.image = image;
    p.file = realPath;
    return p;
}
