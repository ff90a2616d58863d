#include "platform/picturebox.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cstring>

PictureBox::PictureBox()
{
    font_.setFamily(QStringLiteral("Liberation Sans"));
    font_.setPointSizeF(8.25);
    noteSize();
}

void PictureBox::noteSize()
{
    if (!sizePending_) {
        keptWidth_ = image_.width();
        keptHeight_ = image_.height();
        sizePending_ = true;
    }
    // What a smaller size cut off stays cut off, as on a box resized step by step.
    keptWidth_ = std::min(keptWidth_, std::max(1, scaleWidth()));
    keptHeight_ = std::min(keptHeight_, std::max(1, scaleHeight()));
}

QImage& PictureBox::surface() const
{
    if (!sizePending_)
        return image_;
    sizePending_ = false;
    const int w = std::max(1, scaleWidth());
    const int h = std::max(1, scaleHeight());
    const QRgb back = 0xFF000000u | backColor_;
    if (image_.size() != QSize(w, h)) {
        QImage next(w, h, QImage::Format_RGB32);
        next.fill(back);
        for (int y = 0; y < keptHeight_; ++y)
            std::memcpy(next.scanLine(y), image_.constScanLine(y), std::size_t(keptWidth_) * sizeof(QRgb));
        image_ = next;
        return image_;
    }
    // The same size again: only what a smaller size in between cut off turns to background.
    if (keptWidth_ == 0 || keptHeight_ == 0) {
        image_.fill(back);
        return image_;
    }
    for (int y = 0; y < h; ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(image_.scanLine(y));
        std::fill(row + (y < keptHeight_ ? keptWidth_ : 0), row + w, back);
    }
    return image_;
}

void PictureBox::setWidth(Twips w)
{
    width_ = Twips{std::max(0, w.value)};
    noteSize();
}

void PictureBox::setHeight(Twips h)
{
    height_ = Twips{std::max(0, h.value)};
    noteSize();
}

void PictureBox::cls()
{
    if (sizePending_)
        keptWidth_ = keptHeight_ = 0;  // the new surface starts all background
    else
        image_.fill(0xFF000000u | backColor_);
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
    QImage& img = surface();
    const QRgb pixel = 0xFF000000u | color;
    const int w = img.width(), h = img.height();
    uchar* bits = img.bits();
    const qsizetype stride = img.bytesPerLine();
    auto at = [&](int x, int y) -> QRgb& { return reinterpret_cast<QRgb*>(bits + y * stride)[x]; };
    if (x1 == x2) {
        // A bar: one column, the end point left out.
        if (x1 < 0 || x1 >= w)
            return;
        const int from = y1 <= y2 ? y1 : y2 + 1, to = y1 <= y2 ? y2 : y1 + 1;
        for (int y = std::max(0, from); y < std::min(h, to); ++y)
            at(x1, y) = pixel;
        return;
    }
    if (y1 == y2) {
        if (y1 < 0 || y1 >= h)
            return;
        const int from = x1 <= x2 ? x1 : x2 + 1, to = x1 <= x2 ? x2 : x1 + 1;
        for (int x = std::max(0, from); x < std::min(w, to); ++x)
            at(x, y1) = pixel;
        return;
    }
    // Bresenham, leaving out the end point.
    int dx = std::abs(x2 - x1), sx = x1 < x2 ? 1 : -1;
    int dy = -std::abs(y2 - y1), sy = y1 < y2 ? 1 : -1;
    int err = dx + dy;
    int x = x1, y = y1;
    while (!(x == x2 && y == y2)) {
        if (x >= 0 && y >= 0 && x < w && y < h)
            at(x, y) = pixel;
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
    QImage& img = surface();
    QPainter p(&img);
    p.setFont(font_);
    p.setPen(QColor(0, 0, 0));
    const QFontMetricsF fm(font_, &img);
    p.drawText(QPointF(x_, y_ + fm.ascent()), text);
    x_ = 0;
    y_ += fm.height();
}

double PictureBox::textWidth(const QString& text) const
{
    return QFontMetricsF(font_, &surface()).horizontalAdvance(text);
}

double PictureBox::textHeight(const QString&) const
{
    return QFontMetricsF(font_, &surface()).height();
}

void PictureBox::takeImageAsPicture()
{
    picture_ = Picture();
    picture_.image = surface();
}
