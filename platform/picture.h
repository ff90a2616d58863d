#pragma once

#include <QImage>
#include <QString>

// A picture as controls hold it and the printer paints it. A barcode drawn by the program keeps
// the text it encodes, so a recorded page can say which symbol was painted where.
struct Picture {
    QImage image;
    QString barcode;  // text encoded by the barcode drawer that made the picture, if any
    QString file;     // the file it was loaded from, if any

    bool isNull() const { return image.isNull(); }
    // The picture's own size: its pixels at the resolution it carries (96 dpi when none).
    double widthMm() const;
    double heightMm() const;

    // A JPEG (or any picture file Qt reads); an empty path or an unreadable file gives an empty
    // picture.
    static Picture load(const QString& realPath);
    // The same, for a file that must be whole: a JPEG cut short (which the decoder would fill
    // out with grey) or any file the reader reports an error for gives an empty picture.
    static Picture loadWhole(const QString& realPath);
};
