#include "platform/picturebox.h"

#include <QFontMetricsF>
#include <QPainter>

PictureBox::PictureBox()
{
    font_.setFamily(QStringLiteral("Liberation Sans"));
    font_.setPointSizeF(8.25);
    resizeSurface();
}

void PictureBox::resizeSurface()
{
    const int w = std::max(1, scaleWidth());
    const int h = std::max(1, scaleHeight());
    QImage next(w, h, QImage::Format_RGB32);
    next.fill(backColor_);
    // What was drawn stays where it fits, as on a resized box with persistent drawing.
    if (!image_.isNull()) {
        QPainter p(&next);
        p.drawImage(0, 0, image_);
    }
    image_ = next;
}

void PictureBox::setWidth(Twips w)
{
    width_ = Twips{std::max(0, w.value)};
    resizeSurface();
}

void PictureBox::setHeight(Twips h)
{
    height_ = Twips{std::max(0, h.value)};
    resizeSurface();
}

void PictureBox::cls()
{
    image_.fill(backColor_);
    x_ = 0;
    y_ = 0;
}

void PictureBox::setBackColor(QRgb c)
{
    backColor_ = c;
    cls();
}

void PictureBox::line(int x1, int y1, int x2, int y2, QRgb color)
{
    // Bresenham, leaving out the end point.
    int dx = std::abs(x2 - x1), sx = x1 < x2 ? 1 : -1;
    int dy = -std::abs(y2 - y1), sy = y1 < y2 ? 1 : -1;
    int err = dx + dy;
    int x = x1, y = y1;
    while (!(x == x2 && y == y2)) {
        if (x >= 0 && y >= 0 && x < image_.width() && y < image_.height())
            image_.setPixel(x, y, 0xFF000000u | color);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

void PictureBox::print(const QString& text)
{
    QPainter p(&image_);
    p.setFont(font_);
    p.setPen(QColor(0, 0, 0));
    const QFontMetricsF fm(font_, &image_);
    p.drawText(QPointF(x_, y_ + fm.ascent()), text);
    x_ = 0;
    y_ += fm.height();
}

double PictureBox::textWidth(const QString& text) const
{
    return QFontMetricsF(font_, &image_).horizontalAdvance(text);
}

double PictureBox::textHeight(const QString&) const
{
    return QFontMetricsF(font_, &image_).height();
}

void PictureBox::takeImageAsPicture()
{
    picture_ = Picture();
    picture_.image = image_;
}
