#include "platform/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace {

QImage asBitmap(const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); }

}  // namespace

void QtClipboard::clear() { QGuiApplication::clipboard()->clear(); }

void QtClipboard::setImage(const QImage& image) { QGuiApplication::clipboard()->setImage(asBitmap(image)); }

void RecordingClipboard::clear()
{
    image_ = QImage();
    ++clears_;
}

void RecordingClipboard::setImage(const QImage& image)
{
    image_ = asBitmap(image);
    ++images_;
}
